#include "forms/label.h"

#include <cstdlib>

#include "numerics/text_utils.h"

namespace tubalyx {

int TLabel::Width() const {
    if (!autoSize_) return TControl::Width();
    return Utf8Length(caption_) * CharWidth(Font().Size);
}

int TLabel::Height() const {
    if (!autoSize_) return TControl::Height();
    return std::abs(Font().Height());
}

}  // namespace tubalyx
