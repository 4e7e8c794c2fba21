#pragma once
// The open, save, print and font dialogs. Execute() hands the dialog to the installed
// executor: the renderer shows a real dialog, a test scripts the answer. Without an
// executor every dialog is cancelled.
#include <functional>
#include <string>

#include "forms/control.h"

namespace tubalyx {

enum class TDialogKind { Open, Save, Print, Font };

class TCommonDialog {
public:
    TCommonDialog(std::string name, TDialogKind kind) : name_(std::move(name)), kind_(kind) {}
    virtual ~TCommonDialog() = default;
    const std::string& Name() const { return name_; }
    TDialogKind Kind() const { return kind_; }
    // True when the user confirmed.
    bool Execute();
    int ExecuteCount() const { return executeCount_; }

    using Executor = std::function<bool(TCommonDialog&)>;
    static void SetExecutor(Executor executor);

private:
    std::string name_;
    TDialogKind kind_;
    int executeCount_ = 0;
};

class TOpenDialog : public TCommonDialog {
public:
    explicit TOpenDialog(std::string name, TDialogKind kind = TDialogKind::Open)
        : TCommonDialog(std::move(name), kind) {}
    std::string FileName;
    std::string Filter;
    bool OverwritePrompt = false;
};

class TSaveDialog : public TOpenDialog {
public:
    explicit TSaveDialog(std::string name) : TOpenDialog(std::move(name), TDialogKind::Save) {}
};

class TPrintDialog : public TCommonDialog {
public:
    explicit TPrintDialog(std::string name) : TCommonDialog(std::move(name), TDialogKind::Print) {}
};

class TFontDialog : public TCommonDialog {
public:
    explicit TFontDialog(std::string name) : TCommonDialog(std::move(name), TDialogKind::Font) {}
    TFont Font;
};

}  // namespace tubalyx
