#pragma once
// The read-only table of the six stored best results, one row per graded level.

#include "platform/Platform.h"

#include <QDialog>

namespace pistework::dialogs {

class TFormResults : public QDialog {
    Q_OBJECT
public:
    // Reads the store once, so a fresh dialog always shows the records as they stand.
    TFormResults(QWidget* owner, platform::Registry& registry);
};

// Opens a fresh table modally; play goes on behind it.
void ShowBestResults(QWidget* owner, platform::Registry& registry);

} // namespace pistework::dialogs
