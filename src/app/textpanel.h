#pragma once
// Tab "3 Text": the wiki text tools.

#include "app/picturearea.h"

class FormatTextFrame;

class TextPanel : public PictureArea {
    Q_OBJECT

public:
    TextPanel(const QString &programFolder, QWidget *parent = nullptr);
    FormatTextFrame *formatFrame() const { return fraFormat_; }

private:
    FormatTextFrame *fraFormat_;
};
