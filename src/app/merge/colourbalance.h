#pragma once
// The lower half of tab "4 Merge": a mask by difference, and a colour balance of the
// source icon whose conformity with the working icon is shown as the boxes change. Its
// controls stand on the page.

#include <QImage>
#include <QList>
#include <QObject>
#include <functional>

class PictureArea;
class QLineEdit;
class QWidget;

class ColourBalance : public QObject {
    Q_OBJECT

public:
    // workingIcon gives the page's working icon; save saves a result as a composed icon.
    ColourBalance(QWidget *page, std::function<QImage()> workingIcon, std::function<void(const QImage &)> save);

private:
    void buildBoxes(int top);
    void dropOnMask(const QImage &picture);
    void balanceColours();
    void adjustOverall();
    void showResult(const QImage &result);

    QWidget *page_;
    std::function<QImage()> workingIcon_;
    PictureArea *picMask_ = nullptr;
    PictureArea *picColorBalance_ = nullptr;
    PictureArea *picColorBalanceResult_ = nullptr;
    QList<QLineEdit *> txtColorBalance_;
    QLineEdit *txtGray_ = nullptr;
    QLineEdit *txtConformity_ = nullptr;
};
