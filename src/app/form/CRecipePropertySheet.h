#pragma once

#include <QTabWidget>

#include <vector>

namespace wsc {

class CRecipePage;

// The tabbed sheet under the recipe form's heading: "Recipe", "Ingredients", "Mash",
// "Fermentation Info", "Comments", "Rating".
class CRecipePropertySheet : public QTabWidget {
    Q_OBJECT
public:
    explicit CRecipePropertySheet(QWidget* parent = nullptr);

    void addPage(CRecipePage* page, const QString& title);
    CRecipePage* page(int index) const;
    int pageCount() const { return static_cast<int>(m_pages.size()); }
    void SetActivePage(int index);
    int GetActiveIndex() const { return currentIndex(); }

private:
    std::vector<CRecipePage*> m_pages;
    int m_current = 0;
    bool m_returning = false;
};

} // namespace wsc
