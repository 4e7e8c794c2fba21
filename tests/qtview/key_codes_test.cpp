// Qt's keys reach the model as the window system's virtual key codes, which the handlers
// compare with: the separators are not Delete and PrintScreen there.
#include <gtest/gtest.h>

#include "forms/control.h"
#include "qtview/input_forwarder.h"

namespace tubalyx {
namespace {

TEST(VirtualKeyCodes, QtKeysMapToTheCodesTheHandlersCompareWith) {
    const struct {
        int qt;
        bool keypad;
        int vk;
    } keys[] = {
        {Qt::Key_7, false, '7'},
        {Qt::Key_7, true, vkNumpad0 + 7},
        {Qt::Key_Q, false, 'Q'},
        {Qt::Key_Backspace, false, vkBack},
        {Qt::Key_Delete, false, vkDelete},
        {Qt::Key_Print, false, vkSnapshot},
        {Qt::Key_Comma, false, vkOemComma},
        {Qt::Key_Period, false, vkOemPeriod},
        {Qt::Key_Period, true, vkDecimal},
        {Qt::Key_F5, false, vkF1 + 4},
        {Qt::Key_Enter, true, vkReturn},
        {Qt::Key_Down, false, vkDown},
        {Qt::Key_Exclam, false, 0},
    };
    for (const auto& k : keys) EXPECT_EQ(VirtualKeyCode(k.qt, k.keypad), k.vk) << k.qt;
}

}  // namespace
}  // namespace tubalyx
