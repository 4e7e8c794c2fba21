#pragma once
#include "forms/control.h"

namespace tubalyx {

class TLabel : public TControl {
public:
    using TControl::TControl;
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& v) { if (caption_ != v) { caption_ = v; Changed(); } }

private:
    std::string caption_;
};

}  // namespace tubalyx
