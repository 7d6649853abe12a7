#include "core/ArquivoAtomico.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <utility>

#include "core/Erros.h"

namespace {

constexpr std::size_t TamanhoBuffer = 1 << 16;

}  // namespace

std::string TArquivoAtomico::Motivo(int erro) {
    switch (erro) {
        case ENOENT:
        case ENOTDIR: return "a pasta não existe";
        case EACCES:
        case EPERM: return "sem permissão de escrita";
        case EROFS: return "o disco só permite leitura";
        case ENOSPC:
        case EDQUOT: return "o disco está cheio";
        case EFBIG: return "o arquivo passa do tamanho que o sistema permite";
        case EISDIR: return "o nome é de uma pasta";
        case ENAMETOOLONG: return "o nome é longo demais";
        case EBADF: return "o arquivo já foi fechado";
        default: return "erro de entrada/saída " + std::to_string(erro);
    }
}

std::string TArquivoAtomico::NomeAuxiliar(const std::string& caminho, const char* marca) {
    static std::atomic<unsigned> contador{0};
    const std::filesystem::path alvo(caminho);
    std::string nome(1, '.');
    nome.append(alvo.filename().string());
    nome.append(marca);
    nome.append(std::to_string(::getpid()));
    nome.push_back('-');
    nome.append(std::to_string(contador.fetch_add(1)));
    return (alvo.parent_path() / nome).string();
}

namespace {
std::string NomeTemporario(const std::string& caminho) { return TArquivoAtomico::NomeAuxiliar(caminho, ".tmp-"); }
}  // namespace

TArquivoAtomico::TArquivoAtomico(std::string caminho, std::string mensagemErro)
    : caminho_(std::move(caminho)), mensagemErro_(std::move(mensagemErro)) {
    if (caminho_.empty() || caminho_.back() == '/') {
        throw ErroEntrada("Não foi possível criar o arquivo \"" + caminho_ + "\": nome vazio");
    }
    std::error_code ec;
    if (std::filesystem::is_directory(caminho_, ec)) {
        throw ErroEntrada("Não foi possível criar o arquivo \"" + caminho_ + "\": " + Motivo(EISDIR));
    }
    // A read-only file is the engineer's decision: it is not replaced (a rename would
    // replace it regardless of its permissions). The check looks at the bits, not only
    // at access(), which says yes to the administrator for every file.
    struct stat alvo {};
    const bool existe = ::stat(caminho_.c_str(), &alvo) == 0 && S_ISREG(alvo.st_mode);
    if (existe && ((alvo.st_mode & 0222) == 0 || ::access(caminho_.c_str(), W_OK) != 0)) {
        throw ErroEntrada(mensagemErro_ + " \"" + caminho_ + "\": o arquivo é somente leitura");
    }
    // O_EXCL: never write into a file that someone else created under our name.
    for (int tentativa = 0; tentativa < 100 && fd_ < 0; ++tentativa) {
        temporario_ = NomeTemporario(caminho_);
        fd_ = ::open(temporario_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd_ < 0 && errno != EEXIST) break;
    }
    if (fd_ < 0) {
        const int erro = errno;
        temporario_.clear();
        throw ErroEntrada("Não foi possível criar o arquivo \"" + caminho_ + "\": " + Motivo(erro));
    }
    // The new content keeps the permissions of the file it replaces.
    if (existe && ::fchmod(fd_, alvo.st_mode & 07777) != 0) Falha();
    buffer_.reserve(TamanhoBuffer);
}

TArquivoAtomico::~TArquivoAtomico() { Descarta(); }

void TArquivoAtomico::Descarta() noexcept {
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
    if (!temporario_.empty()) {
        ::unlink(temporario_.c_str());
        temporario_.clear();
    }
}

void TArquivoAtomico::Falha() {
    const int erro = errno;
    Descarta();
    throw ErroEntrada(mensagemErro_ + " \"" + caminho_ + "\": " + Motivo(erro));
}

void TArquivoAtomico::Descarrega() {
    const char* p = buffer_.data();
    std::size_t resta = buffer_.size();
    while (resta > 0) {
        const ssize_t n = ::write(fd_, p, resta);
        if (n < 0) {
            if (errno == EINTR) continue;
            Falha();
        }
        if (n == 0) {
            errno = ENOSPC;
            Falha();
        }
        p += n;
        resta -= static_cast<std::size_t>(n);
    }
    buffer_.clear();
}

void TArquivoAtomico::Escreve(std::string_view bytes) {
    if (fd_ < 0) {
        errno = EBADF;
        Falha();
    }
    if (buffer_.size() + bytes.size() > TamanhoBuffer) {
        Descarrega();
        if (bytes.size() >= TamanhoBuffer) {
            buffer_.assign(bytes);
            Descarrega();
            return;
        }
    }
    buffer_.append(bytes);
}

std::string TArquivoAtomico::Fecha() {
    if (fd_ < 0) {
        errno = EBADF;
        Falha();
    }
    Descarrega();
    // fsync reports the errors a delayed write would otherwise hide (a full disk
    // found only when the data reach it), before the old file is replaced.
    if (::fsync(fd_) != 0 && errno != EINVAL) Falha();
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) Falha();
    return std::exchange(temporario_, std::string());
}

void TArquivoAtomico::Conclui() {
    temporario_ = Fecha();
    if (std::rename(temporario_.c_str(), caminho_.c_str()) != 0) Falha();
    temporario_.clear();
}

void TArquivoAtomico::Grava(const std::string& caminho, std::string_view conteudo,
                            std::string mensagemErro) {
    TArquivoAtomico arquivo(caminho, std::move(mensagemErro));
    arquivo.Escreve(conteudo);
    arquivo.Conclui();
}
