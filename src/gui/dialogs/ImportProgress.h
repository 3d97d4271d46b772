#pragma once

#include "catalogue/ReceiverSources.h"

#include <QStringList>

class QWidget;

namespace zenbelts {

// ImportReceiverSources on a worker thread, so that a long import leaves the
// program drawing: a progress dialog over parent, shown once the import takes
// a moment, tells how far it got, and its Cancel stops the import, which then
// fails with the core's word for that. Returns once the worker has ended,
// with what ImportReceiverSources returned.
bool ImportWithProgress(QWidget* parent, const QStringList& sources, ReceiverSourceUse use,
                        ImportResult& result, Message& error);

}  // namespace zenbelts
