#include "CercaFile.h"

#include <system_error>

namespace brivetta {

namespace fs = std::filesystem;

namespace {
char Minuscola(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}
} // namespace

bool UgualeSenzaMaiuscole(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (Minuscola(a[i]) != Minuscola(b[i])) return false;
    return true;
}

fs::path CercaFile(const fs::path& cartella, std::string_view nome) {
    // A name with a separator or NUL would reach outside the folder or be cut by the system.
    if (nome.empty() || nome.find_first_of(std::string_view("/\0", 2)) != std::string_view::npos)
        return {};
    std::error_code ec;
    const fs::path esatto = cartella / fs::path(std::string(nome));
    if (fs::symlink_status(esatto, ec).type() != fs::file_type::not_found && !ec) return esatto;
    fs::directory_iterator it(cartella, ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        if (UgualeSenzaMaiuscole(it->path().filename().native(), nome)) return it->path();
    }
    return {};
}

} // namespace brivetta
