#pragma once
// Tab "4 Merge": icons laid over stock backgrounds and store slots, outlines by damage
// type, masks by difference, colour balance against the working icon, PNG to BMP.

#include "app/picturearea.h"

#include <QList>

class SaveRoutine;

class MergePanel : public PictureArea {
    Q_OBJECT

public:
    MergePanel(SaveRoutine &saveRoutine, QWidget *parent = nullptr);

    QList<QWidget *> keyControls() const;

private:
    SaveRoutine &saveRoutine_;
};
