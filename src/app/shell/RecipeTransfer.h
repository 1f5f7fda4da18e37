#pragma once

#include <QString>
#include <QStringList>

class QMimeData;
class QWidget;

namespace wsc {

class CMainFrame;
class DialogRunner;
struct CoreServices;

// File > Import Recipes, Export Recipe and Export All Recipes: BeerXML and BeerJSON files in
// and out of the open recipe database, with their progress and what each did said in a box;
// Data > Import and Export: reference data in and out of the Data database.
class RecipeTransfer {
public:
    RecipeTransfer(CMainFrame& frame, CoreServices& services, DialogRunner& runner);

    // Asks for a file and imports it.
    void importRecipes();
    // Imports one file (a BeerXML file dropped on the window comes here too).
    void importFile(const QString& path);
    // Asks for a file and writes the current recipe, or every recipe, to it.
    void exportRecipes(bool all);

    // Data > Import...: a reference file into the Data database, as the preview's ticks say.
    void importReference();
    // Data > Export...: the reference tables to a BeerJSON or BeerXML file.
    void exportReference();

    // The BeerXML files a drag brings, or none.
    static QStringList droppedFiles(const QMimeData* mime);

private:
    CMainFrame& m_frame;
    CoreServices& m_services;
    DialogRunner& m_runner;
};

} // namespace wsc
