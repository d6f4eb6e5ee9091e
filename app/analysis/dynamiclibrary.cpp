#include "app/analysis/dynamiclibrary.h"

#include <dlfcn.h>

#include <filesystem>
#include <utility>

EDLLError::EDLLError(const std::string& message, std::string detail)
    : std::runtime_error(message), m_detail(std::move(detail)) {}

EDLLNotOpenError::EDLLNotOpenError() : EDLLError("Library is not open", {}) {}

EInitError::EInitError(std::string detail)
    : EDLLError("Library failed to properly initialize", std::move(detail)) {}

EFileNotFoundError::EFileNotFoundError(std::string detail)
    : EDLLError("Library could not be located", std::move(detail)) {}

TDynamicLibrary::TDynamicLibrary(std::string libraryName) : m_libraryName(std::move(libraryName)) {}

TDynamicLibrary::~TDynamicLibrary() { close(); }

void TDynamicLibrary::setLibraryName(std::string libraryName) {
    close();
    m_libraryName = std::move(libraryName);
}

void TDynamicLibrary::open() {
    if (isOpen()) return;
    dlerror();
    // RTLD_NOW resolves every symbol at load time, so a library that cannot
    // work fails here rather than in the middle of a run.
    m_handle = dlopen(m_libraryName.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (m_handle) {
        m_lastError.clear();
        return;
    }
    const char* reason = dlerror();
    m_lastError = reason ? reason : "unknown loader error";

    std::error_code ignored;
    if (!std::filesystem::exists(m_libraryName, ignored)) return;
    // The loader names the missing file: when the library itself is there,
    // a "cannot open shared object file" is about one of its dependencies.
    if (m_lastError.find("cannot open shared object file") != std::string::npos)
        throw EFileNotFoundError(m_lastError);
    throw EInitError(m_lastError);
}

bool TDynamicLibrary::close() {
    if (m_handle) dlclose(m_handle);
    m_handle = nullptr;
    return false;
}

void* TDynamicLibrary::entryAddress(const std::string& name) const {
    if (!isOpen()) throw EDLLNotOpenError();
    return dlsym(m_handle, name.c_str());
}
