// A dynamically loaded shared library (dlopen/dlsym/dlclose).
//
// The desktop program loads the analysis engine afresh for every run and
// unloads it afterwards, so each run starts from the engine's zero state.
#pragma once

#include <stdexcept>
#include <string>

// Base of every error of a dynamically loaded library. what() is the text
// shown to the user; detail() keeps the loader's own explanation.
class EDLLError : public std::runtime_error {
  public:
    EDLLError(const std::string& message, std::string detail);
    [[nodiscard]] const std::string& detail() const { return m_detail; }

  private:
    std::string m_detail;
};

// An entry was looked up while the library is not loaded.
class EDLLNotOpenError : public EDLLError {
  public:
    EDLLNotOpenError();
};

// The library file exists but could not be loaded and initialised
// (unresolved symbols, a damaged file, a failing static initialiser).
class EInitError : public EDLLError {
  public:
    explicit EInitError(std::string detail);
};

// A library the file depends on is missing.
class EFileNotFoundError : public EDLLError {
  public:
    explicit EFileNotFoundError(std::string detail);
};

class TDynamicLibrary {
  public:
    TDynamicLibrary() = default;
    explicit TDynamicLibrary(std::string libraryName);
    ~TDynamicLibrary();
    TDynamicLibrary(const TDynamicLibrary&) = delete;
    TDynamicLibrary& operator=(const TDynamicLibrary&) = delete;

    [[nodiscard]] const std::string& libraryName() const { return m_libraryName; }
    // Unloads the library first when it is loaded.
    void setLibraryName(std::string libraryName);

    // Loads the library from its full path; nothing when already loaded.
    // Throws EFileNotFoundError when a dependency is missing and EInitError
    // when the file exists but cannot be loaded. A library file that does not
    // exist leaves the wrapper not loaded without an error; lastError() says why.
    void open();
    [[nodiscard]] bool isOpen() const { return m_handle != nullptr; }
    // Unloads the library; always returns false (the new open state).
    bool close();

    // The exported address of `name`, or null when the library has no such
    // export. Throws EDLLNotOpenError when the library is not loaded.
    [[nodiscard]] void* entryAddress(const std::string& name) const;

    // The loader's message of the last failed open, empty after a good one.
    [[nodiscard]] const std::string& lastError() const { return m_lastError; }

  private:
    std::string m_libraryName;
    void* m_handle = nullptr;
    std::string m_lastError;
};
