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
    // The first half of Conclui: flushed to the disk and closed, the target not yet
    // replaced. The temporary file is handed over: the caller renames or removes it.
    std::string Fecha();

    const std::string& Caminho() const { return caminho_; }
    const std::string& MensagemErro() const { return mensagemErro_; }

    // The reason of a failed write, for the user ("o disco está cheio").
    static std::string Motivo(int erro);
    // A name beside `caminho`, hidden, with `marca` (".tmp-", ".old-"), unique in this process.
    static std::string NomeAuxiliar(const std::string& caminho, const char* marca);

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
