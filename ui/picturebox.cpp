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
    : QWidget(parent), m_pixmap(resource), m_doubleSize(doubleSizeResource(resource))
{
    m_doubleSize.setDevicePixelRatio(2);
}

const QPixmap &PictureBox::pixmapFor(qreal devicePixelRatio) const
{
    return devicePixelRatio > 1 && !m_doubleSize.isNull() ? m_doubleSize : m_pixmap;
}

void PictureBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, pixmapFor(devicePixelRatioF()));
}
