#pragma once

class QWidget;

namespace wsc {

class CWscalcDoc;
class DialogRunner;

// Opens the calculator of a Calculators menu command on the open document; false for any
// other command.
bool RunCalculatorCommand(int id, CWscalcDoc& doc, DialogRunner& runner, QWidget* parent);

} // namespace wsc
