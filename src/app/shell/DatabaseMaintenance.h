#pragma once

class QWidget;

namespace wsc {

class DialogRunner;
struct CoreServices;

// File > Compress and File > Repair: a database file chosen in a dialog, worked on under the
// wait cursor, and the outcome said.
class DatabaseMaintenance {
public:
    DatabaseMaintenance(QWidget* parent, CoreServices& services, DialogRunner& runner)
        : m_parent(parent), m_services(services), m_runner(runner) {}

    void compress() { run(true); }
    void repair() { run(false); }

private:
    void run(bool compress);

    QWidget* m_parent;
    CoreServices& m_services;
    DialogRunner& m_runner;
};

} // namespace wsc
