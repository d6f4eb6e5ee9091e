// A window that holds edits of the project until it stores them: the main
// window asks the active one to store before a command reads the project.
#pragma once

class TEditedValues {
  public:
    virtual ~TEditedValues() = default;
    // Writes the window's edits into the project; false (the message shown)
    // while an entry is invalid.
    virtual bool storeValues() = 0;
};
