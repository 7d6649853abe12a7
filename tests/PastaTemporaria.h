#pragma once
// Test helpers for files: a fresh folder per test, and a "full disk" simulated by
// the process's file-size limit (writes past it fail with EFBIG).
#include <sys/resource.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

class PastaTemporaria {
public:
    PastaTemporaria() {
        std::string modelo = (std::filesystem::temp_directory_path() / "norvik-XXXXXX").string();
        if (::mkdtemp(modelo.data()) == nullptr) throw std::runtime_error("mkdtemp");
        caminho_ = modelo;
    }
    ~PastaTemporaria() {
        std::error_code ec;
        std::filesystem::remove_all(caminho_, ec);
    }
    PastaTemporaria(const PastaTemporaria&) = delete;
    PastaTemporaria& operator=(const PastaTemporaria&) = delete;

    const std::filesystem::path& Caminho() const { return caminho_; }
    std::string operator/(const std::string& nome) const { return (caminho_ / nome).string(); }

    // Names in the folder, to show that no temporary file was left behind.
    int QuantosArquivos() const {
        int n = 0;
        for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(caminho_)) ++n;
        return n;
    }

private:
    std::filesystem::path caminho_;
};

inline std::string LeArquivo(const std::string& caminho) {
    std::ifstream f(caminho, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

inline void GravaArquivo(const std::string& caminho, const std::string& bytes) {
    std::ofstream f(caminho, std::ios::binary);
    f << bytes;
}

// While alive, no file of this process can grow beyond `bytes`.
class DiscoCheio {
public:
    explicit DiscoCheio(rlim_t bytes) {
        sinalAnterior_ = std::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(RLIMIT_FSIZE, &anterior_);
        rlimit novo = anterior_;
        novo.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &novo);
    }
    ~DiscoCheio() {
        ::setrlimit(RLIMIT_FSIZE, &anterior_);
        std::signal(SIGXFSZ, sinalAnterior_);
    }
    DiscoCheio(const DiscoCheio&) = delete;
    DiscoCheio& operator=(const DiscoCheio&) = delete;

private:
    rlimit anterior_{};
    void (*sinalAnterior_)(int) = nullptr;
};
