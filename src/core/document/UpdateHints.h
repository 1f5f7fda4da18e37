#pragma once

namespace wsc {

// What changed, in the high 16 bits of an update hint sent between the views of a document.
enum class HintEvent : int {
    Initial = 0,
    GoToBatch = 3,
    Committed = 6,
    Copied = 7,
    Deleted = 8,
    Added = 9,
};

constexpr long MakeHint(HintEvent event, unsigned long low = 0) {
    return (static_cast<long>(event) << 16) | static_cast<long>(low & 0xFFFFu);
}
constexpr HintEvent HintEventOf(long hint) {
    return static_cast<HintEvent>(hint >> 16);
}

// Travels with a hint. With the go-to-batch hint it carries the whole batch number (the hint's
// low word holds only 16 bits of it); with a commit, add, copy or delete, the recipe written or
// removed, so that a view can follow that one recipe instead of reading them all again.
struct CRowViewHint {
    long batchNo = 0;
    long recipeId = 0;
};

// A view of a recipe document (the form, the log, the label).
class IDocumentView {
public:
    virtual ~IDocumentView() = default;
    virtual void OnUpdate(IDocumentView* sender, long hint, const CRowViewHint* object) = 0;
};

} // namespace wsc
