// The main frame: owns the dictionary store for the whole run.
#pragma once

#include <QMainWindow>

#include "core/store/dictionary_store.h"

namespace zelmor::gui {

class FrameWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit FrameWindow(QWidget* parent = nullptr);

    const store::DictionaryStore& Store() const { return store_; }
    /// Loads the store from the program folder, asking through message boxes
    /// and an open dialog for missing files.
    void LoadStore();

private:
    store::DictionaryStore store_;
    bool turkish_keyboard_ = false;
};

}  // namespace zelmor::gui
