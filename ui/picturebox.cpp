// SPDX-License-Identifier: GPL-3.0-or-later
#include "picturebox.h"

#include <QFileInfo>
#include <QPainter>

namespace {

// ":/images/picture1.jpg" -> ":/images/picture1@2x.jpg"
QString doubleSizeResource(const QString &resource)
{
    const QFileInfo info(resource);
    return info.path() + u'/' + info.completeBaseName() + QStringLiteral("@2x.") + info.suffix();
}

} // namespace

PictureBox::PictureBox(const QString &resource, QWidget *parent)
    : QWidget(parent), m_resource(resource), m_pixmap(resource)
{}

const QPixmap &PictureBox::pixmapFor(qreal devicePixelRatio) const
{
    if (devicePixelRatio <= 1)
        return m_pixmap;
    if (!m_doubleSize) {
        m_doubleSize.emplace(doubleSizeResource(m_resource));
        m_doubleSize->setDevicePixelRatio(2);
    }
    return m_doubleSize->isNull() ? m_pixmap : *m_doubleSize;
}

void PictureBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, pixmapFor(devicePixelRatioF()));
}
