// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/partslist.h"

#include <QRegularExpression>

// A line of the plan's parts table as pdftotext reads it back: the code, the
// name (a long one is cut short in the table), the page and the count.
inline QRegularExpression planLine(const PartsList::Row &row)
{
    QString pattern = QStringLiteral("\\b") + QRegularExpression::escape(QString::fromLatin1(row.code));
    if (!row.name.isEmpty())
        pattern += QStringLiteral(" +") + QRegularExpression::escape(row.name.left(24)) + QStringLiteral(".*");
    pattern += QStringLiteral(" +") + QRegularExpression::escape(row.page) + QStringLiteral(" +") +
               QString::number(row.count) + QStringLiteral("\\b");
    return QRegularExpression(pattern);
}
