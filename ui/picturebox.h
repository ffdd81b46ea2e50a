// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>
#include <QWidget>

#include <optional>

// Shows a picture at its natural size from the top-left corner. Unlike a
// QLabel it draws the picture unchanged when the box is disabled. Where a
// twice-as-large "@2x" version of the picture exists, high-resolution
// screens get that one, at the same logical size.
class PictureBox : public QWidget
{
    Q_OBJECT
public:
    explicit PictureBox(const QString &resource, QWidget *parent = nullptr);

    // The picture at its natural size.
    const QPixmap &pixmap() const { return m_pixmap; }
    // What is drawn on a screen with the given device pixel ratio.
    const QPixmap &pixmapFor(qreal devicePixelRatio) const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_resource;
    QPixmap m_pixmap;
    // Loaded on first use: most screens never need it.
    mutable std::optional<QPixmap> m_doubleSize;
};
