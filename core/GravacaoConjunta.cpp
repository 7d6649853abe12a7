#include "core/GravacaoConjunta.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "core/ArquivoAtomico.h"
#include "core/Erros.h"

namespace {

// Keeps the earlier file under a hidden name. A hard link costs no room on a full disk
// and leaves the target in place; where links are not allowed the file is moved aside.
// Returns the hidden name, empty when there was no earlier file; errno on failure.
bool GuardaAnterior(const std::string& caminho, std::string& anterior) {
    anterior.clear();
    struct stat st {};
    if (::lstat(caminho.c_str(), &st) != 0) return errno == ENOENT;
    if (S_ISDIR(st.st_mode)) {
        errno = EISDIR;
        return false;
    }
    for (int tentativa = 0; tentativa < 100; ++tentativa) {
        const std::string nome = TArquivoAtomico::NomeAuxiliar(caminho, ".old-");
        if (::link(caminho.c_str(), nome.c_str()) == 0) {
            anterior = nome;
            return true;
        }
        if (errno == EEXIST) continue;
        if (errno != EPERM && errno != EXDEV && errno != EMLINK && errno != ENOTSUP && errno != EOPNOTSUPP) return false;
        struct stat outro {};
        if (::lstat(nome.c_str(), &outro) == 0) continue;
        if (std::rename(caminho.c_str(), nome.c_str()) != 0) return false;
        anterior = nome;
        return true;
    }
    errno = EEXIST;
    return false;
}

}  // namespace

TGravacaoConjunta::~TGravacaoConjunta() { Desfaz(); }

void TGravacaoConjunta::Acrescenta(const std::string& caminho, std::string_view conteudo) {
    Acrescenta(caminho, conteudo, TArquivoAtomico::MensagemPadrao);
}

void TGravacaoConjunta::Acrescenta(const std::string& caminho, std::string_view conteudo,
                                   const std::string& mensagemErro) {
    Prepara(caminho, mensagemErro, [&](TArquivoAtomico& arquivo) { arquivo.Escreve(conteudo); });
}

void TGravacaoConjunta::AcrescentaPorPartes(
    const std::string& caminho, const std::function<void(const std::function<void(std::string_view)>&)>& produz) {
    Prepara(caminho, TArquivoAtomico::MensagemPadrao,
            [&](TArquivoAtomico& arquivo) { produz([&](std::string_view pedaco) { arquivo.Escreve(pedaco); }); });
}

void TGravacaoConjunta::Prepara(const std::string& caminho, const std::string& mensagemErro,
                                const std::function<void(TArquivoAtomico&)>& escreve) {
    Arquivo a;
    a.caminho = caminho;
    a.mensagemErro = mensagemErro;
    try {
        TArquivoAtomico arquivo(caminho, mensagemErro);
        escreve(arquivo);
        a.temporario = arquivo.Fecha();
    } catch (...) {
        Desfaz();
        throw;
    }
    arquivos_.push_back(std::move(a));
}

void TGravacaoConjunta::Conclui() {
    for (Arquivo& a : arquivos_) {
        if (!GuardaAnterior(a.caminho, a.anterior) || std::rename(a.temporario.c_str(), a.caminho.c_str()) != 0) {
            const int erro = errno;
            const std::string mensagem = a.mensagemErro + " \"" + a.caminho + "\": " + TArquivoAtomico::Motivo(erro);
            Desfaz();
            throw ErroEntrada(mensagem);
        }
        a.temporario.clear();
        a.trocado = true;
    }
    // All in place: the earlier files go.
    for (Arquivo& a : arquivos_) {
        if (!a.anterior.empty()) ::unlink(a.anterior.c_str());
    }
    arquivos_.clear();
}

void TGravacaoConjunta::Desfaz() noexcept {
    for (auto it = arquivos_.rbegin(); it != arquivos_.rend(); ++it) {
        Arquivo& a = *it;
        if (!a.temporario.empty()) ::unlink(a.temporario.c_str());
        if (a.trocado) {
            // Renaming the kept file over the target puts it back in one step; if even
            // that fails, the earlier content stays under its hidden name, never lost.
            if (a.anterior.empty()) ::unlink(a.caminho.c_str());
            else std::rename(a.anterior.c_str(), a.caminho.c_str());
            continue;
        }
        // Kept but not replaced: the target is still the earlier file (a link), unless
        // it was moved aside, then it goes back.
        if (!a.anterior.empty()) {
            struct stat st {};
            if (::lstat(a.caminho.c_str(), &st) == 0) ::unlink(a.anterior.c_str());
            else std::rename(a.anterior.c_str(), a.caminho.c_str());
        }
    }
    arquivos_.clear();
}
