#pragma once

#include "model/Observations.h"

#include <QString>

#include <vector>

namespace zenbelts {

// What was typed at the dish into the Diagnose dialog, as typed: kept with
// the document while it is open, so that the dialog shows it again. It is
// not part of the set-up's file; Export writes it to a file of its own.
struct FieldNotes {
    struct Row {
        int position;
        QString motor, offset;
    };
    std::vector<Row> rows;  // those with something typed
    QString motorPrecision, offsetPrecision;
    // What the rows read as; empty while a cell does not read.
    std::vector<Observation> observations;
    // Typed since the last import or export: closing would lose it.
    bool unexported = false;

    bool Empty() const { return rows.empty(); }
};

}  // namespace zenbelts
