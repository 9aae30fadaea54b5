// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/suggest/suggestionrun.h"

#include "base/kwerror.h"
#include "export/pictureexport.h"

#include <QThread>

#include <new>

SuggestionRun::SuggestionRun(const TileStore &tiles, int thumbnail, QObject *parent)
    : QObject(parent), m_tiles(tiles), m_thumbnail(thumbnail)
{
}

SuggestionRun::~SuggestionRun()
{
    if (!m_thread)
        return;
    cancel();
    m_thread->wait();
    delete m_thread;
}

bool SuggestionRun::start(const CircuitGenerator::Request &request)
{
    if (m_thread)
        return false;
    m_cancel = false;
    // The run draws from a copy of the store, which shares its pictures.
    m_thread = QThread::create([this, request, tiles = m_tiles] {
        CircuitGenerator::Control control;
        control.cancel = &m_cancel;
        control.progress = [this](int done, int total) {
            QMetaObject::invokeMethod(this, [this, done, total] { emit progressed(done, total); },
                                      Qt::QueuedConnection);
        };
        m_running = Result();
        // Nothing may leave a thread's function: a failure is the outcome.
        try {
            m_running.outcome = CircuitGenerator::generate(request, control);
            for (const CircuitGenerator::Suggestion &suggestion : std::as_const(m_running.outcome.suggestions))
                m_running.pictures.append(PictureExport::thumbnail(suggestion.grid, tiles, m_thumbnail));
        } catch (const KwError &error) {
            m_running = Result();
            m_running.outcome.summary = error.shownText();
        } catch (const std::bad_alloc &) {
            m_running = Result();
            m_running.outcome.summary = KwError::outOfResources().shownText();
        }
    });
    connect(m_thread, &QThread::finished, this, &SuggestionRun::ended);
    m_thread->start();
    return true;
}

void SuggestionRun::cancel()
{
    m_cancel = true;
}

void SuggestionRun::ended()
{
    m_thread->wait();
    m_thread->deleteLater();
    m_thread = nullptr;
    m_result = std::move(m_running);
    emit finished();
}
