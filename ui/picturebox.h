#pragma once

#include <QPixmap>
#include <QWidget>

// Shows a picture at its natural size from the top-left corner. Unlike a
// QLabel it draws the picture unchanged when the box is disabled.
class PictureBox : public QWidget
{
    Q_OBJECT
public:
    explicit PictureBox(const QPixmap &pixmap, QWidget *parent = nullptr);

    const QPixmap &pixmap() const { return m_pixmap; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap m_pixmap;
};
