#pragma once
// The red "To BMP" area at the foot of tab "4 Merge": every picture file dropped on it is
// written again as a BMP file beside it. Its controls stand on the page.

#include <QObject>
#include <QStringList>

class PictureArea;
class QWidget;

class BmpConverter : public QObject {
    Q_OBJECT

public:
    explicit BmpConverter(QWidget *page);

private:
    void convert(const QStringList &files);

    QWidget *page_;
    PictureArea *picConvertPNGtoBMP_ = nullptr;
};
