// SPDX-License-Identifier: GPL-3.0-or-later
#include "helptext.h"

#include <QStringList>

QString helpText()
{
    const QString life = QString(48, u' ') + QStringLiteral("'life'") + QString(48, u' ');
    // An empty entry is an empty line.
    const QStringList lines{
        QStringLiteral("Tragen Sie in die Punktefelder unten Werte ein, die zu den"),
        QStringLiteral(" Noten passen.. Diese werden vom Skalix zur"),
        QStringLiteral("Grundlage seiner Notenvorschläge herangezogen."),
        QString(),
        QStringLiteral("Übrigens müssen Sie nicht jedes Punktefeld ausfüllen!"),
        QString(),
        QStringLiteral("Der Skalix bietet Ihnen zwei unterschiedliche"),
        QStringLiteral("voreingestellte Notenschlüssel an. Klicken Sie dazu nur auf"),
        QStringLiteral("die jeweiligen Buttons!"),
        QStringLiteral("Wenn Sie nun die Regler verstellen, können Sie"),
        life,
        QStringLiteral("verfolgen, wie sich die Veränderung der Parameter"),
        QStringLiteral("auf die Note auswirkt."),
        QString(),
        QStringLiteral("Wendrisch"),
    };
    return lines.join(u'\r');
}
