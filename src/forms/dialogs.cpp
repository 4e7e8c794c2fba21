#include "forms/dialogs.h"

namespace tubalyx {

namespace {
TCommonDialog::Executor& CurrentExecutor() {
    static TCommonDialog::Executor executor;
    return executor;
}
}  // namespace

void TCommonDialog::SetExecutor(Executor executor) { CurrentExecutor() = std::move(executor); }

bool TCommonDialog::Execute() {
    ++executeCount_;
    return CurrentExecutor() ? CurrentExecutor()(*this) : false;
}

}  // namespace tubalyx
