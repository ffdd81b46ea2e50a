// SPDX-License-Identifier: GPL-3.0-or-later
#include "programicon.h"

#include <QIconEngine>
#include <QPainter>
#include <QPixmap>

#include <array>
#include <map>

namespace {

constexpr std::array kSizes{16, 32, 64};

class ResourceIconEngine : public QIconEngine
{
public:
    QPixmap pixmap(const QSize &size, QIcon::Mode, QIcon::State) override
    {
        // The smallest picture at least as large as asked for, else the largest.
        int chosen = kSizes.back();
        for (int side : kSizes) {
            if (side >= size.width() && side >= size.height()) {
                chosen = side;
                break;
            }
        }
        QPixmap &loaded = m_loaded[chosen];
        if (loaded.isNull())
            loaded.load(QStringLiteral(":/icons/skalix-%1.png").arg(chosen), "png");
        return loaded.size() == size
                   ? loaded
                   : loaded.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
    }

    QSize actualSize(const QSize &size, QIcon::Mode, QIcon::State) override
    {
        const int side = std::min(size.width(), size.height());
        return {std::min(side, kSizes.back()), std::min(side, kSizes.back())};
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        QList<QSize> sizes;
        for (int side : kSizes)
            sizes << QSize(side, side);
        return sizes;
    }

    QIconEngine *clone() const override { return new ResourceIconEngine(*this); }
    QString key() const override { return QStringLiteral("SkalixResourceIcon"); }

private:
    std::map<int, QPixmap> m_loaded;
};

} // namespace

QIcon programIcon() { return QIcon(new ResourceIconEngine); }
