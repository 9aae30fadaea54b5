// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/sheetsbench.h"

#include "base/kwerror.h"
#include "base/progress.h"
#include "base/safefile.h"
#include "document/trackdocument.h"
#include "export/buildsheets.h"
#include "pieces/tilesource.h"

#include <QElapsedTimer>

bool SheetsBench::fail(const QString &message)
{
    m_error = message;
    return false;
}

bool SheetsBench::prepare(const QString &binDir, const QString &workDir)
{
    const QString track = binDir + QStringLiteral("/examples/showcase.kwf");
    const TileFolder folder(binDir + QStringLiteral("/tiles"));
    TrackDocument document;
    Progress quiet;
    try {
        m_tiles.loadDefault(folder);
        document.open(track, folder, m_tiles, quiet);
    } catch (const KwError &error) {
        return fail(QStringLiteral("build sheets: %1").arg(error.message()));
    }
    m_grid = document.grid();
    m_output = workDir + QStringLiteral("/showcase-sheets.pdf");
    return true;
}

bool SheetsBench::runRound()
{
    QElapsedTimer timer;
    QByteArray pdf;
    try {
        timer.start();
        pdf = BuildSheets::render(m_grid, m_tiles, QStringLiteral("showcase.kwf"), BuildSheets::Options());
        m_figures.render.add(timer.nsecsElapsed() / 1e6);
        timer.start();
        SafeFile::write(m_output, pdf);
        m_figures.write.add(timer.nsecsElapsed() / 1e6);
    } catch (const KwError &error) {
        return fail(QStringLiteral("build sheets: %1").arg(error.message()));
    }
    m_pages = int(pdf.count("/Type /Page\n"));
    m_bytes = pdf.size();
    m_images = int(pdf.count("/Subtype /Image"));
    return true;
}
