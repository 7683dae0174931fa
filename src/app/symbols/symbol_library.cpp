// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/symbols/symbol_library.h"

namespace qz5 {

SymbolLibrary::~SymbolLibrary() {
    if (reader_ != nullptr) {
        reader_->wait();
        delete reader_;
    }
}

const SymbolSource* SymbolLibrary::ready() {
    if (read_) {
        return &systemSymbols();
    }
    if (reader_ == nullptr) {
        reader_ = QThread::create([] { static_cast<void>(systemSymbols()); });
        // Queued to the GUI thread, where this object lives.
        QObject::connect(reader_, &QThread::finished, reader_, [this] {
            read_ = true;
            for (const std::function<void()>& callback : waiting_) {
                callback();
            }
            waiting_.clear();
        });
        reader_->start();
    }
    return nullptr;
}

void SymbolLibrary::whenReady(std::function<void()> callback) {
    if (read_) {
        callback();
        return;
    }
    waiting_.push_back(std::move(callback));
    static_cast<void>(ready());
}

}  // namespace qz5
