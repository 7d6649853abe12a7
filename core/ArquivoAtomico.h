#pragma once
#include <string>
#include <string_view>

// A file written whole or not at all. The bytes go to a temporary file in the
// target's folder, which replaces the target only after everything was written,
// flushed to the disk and closed without error. On any failure the temporary is
// removed, an earlier file of that name is left as it was, and ErroEntrada is
// raised, naming the file and the reason (disk full, no permission, folder missing):
// a half-written file is never reported as saved. A read-only target is refused, and
// the file written keeps the permissions of the one it replaces.
class TArquivoAtomico {
public:
    // Message of a failure while writing, closing or renaming.
    static constexpr const char* MensagemPadrao = "Não foi possível salvar o arquivo";

    // Creates the temporary file. Raises ErroEntrada naming the path and the reason
    // when the folder does not exist or cannot be written.
    explicit TArquivoAtomico(std::string caminho, std::string mensagemErro = MensagemPadrao);
    ~TArquivoAtomico();
    TArquivoAtomico(const TArquivoAtomico&) = delete;
    TArquivoAtomico& operator=(const TArquivoAtomico&) = delete;

    // Buffered; a failure of the disk raises ErroEntrada(mensagemErro).
    void Escreve(std::string_view bytes);
    // Flushes, closes and renames over the target. Without it the destructor
    // discards the temporary file.
    void Conclui();

    const std::string& Caminho() const { return caminho_; }

    // The whole content at once.
    static void Grava(const std::string& caminho, std::string_view conteudo,
                      std::string mensagemErro = MensagemPadrao);

private:
    void Descarrega();
    [[noreturn]] void Falha();
    void Descarta() noexcept;

    std::string caminho_;
    std::string temporario_;
    std::string mensagemErro_;
    std::string buffer_;
    int fd_ = -1;
};
