#pragma once

// What a list window needs of the entry window it opens: New shows it and
// calls CmNew_Click; a double-click puts the row's key into gSelectedCode,
// shows it (it loads that record when it loads) and calls CmCancel_Click.
class EntryWindow {
public:
    virtual ~EntryWindow() = default;
    virtual void CmNew_Click() = 0;
    virtual void CmCancel_Click() = 0;
};
