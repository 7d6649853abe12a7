#pragma once
#include <functional>
#include <string>
#include <string_view>
#include <vector>

class TArquivoAtomico;

// Files that belong together (the tables and the report of one run) written all or
// none. Each is first written whole to a temporary file beside its target, flushed to
// the disk and closed; only when every one is ready are the targets replaced, each
// earlier file kept under a hidden name until the last one is in place. When a file
// cannot be written or replaced, every target of the set is put back as it was (an
// earlier file restored, a new one removed), no temporary is left, and ErroEntrada is
// raised naming the file and the reason.
class TGravacaoConjunta {
public:
    TGravacaoConjunta() = default;
    ~TGravacaoConjunta();
    TGravacaoConjunta(const TGravacaoConjunta&) = delete;
    TGravacaoConjunta& operator=(const TGravacaoConjunta&) = delete;

    // Writes the temporary file of `caminho` now; the target is untouched until Conclui.
    void Acrescenta(const std::string& caminho, std::string_view conteudo, const std::string& mensagemErro);
    void Acrescenta(const std::string& caminho, std::string_view conteudo);
    // The same with the content handed over in pieces: `escreve(pedaco)` writes each
    // piece as `escreve` is given it by `produz`.
    void AcrescentaPorPartes(const std::string& caminho,
                             const std::function<void(const std::function<void(std::string_view)>&)>& produz);
    // Replaces every target, or none.
    void Conclui();

private:
    struct Arquivo {
        std::string caminho;
        std::string temporario;
        std::string mensagemErro;
        std::string anterior;  // the earlier file under its hidden name; empty: there was none
        bool trocado = false;  // the target holds the new content
    };
    // Writes the temporary file of `caminho` by `escreve`; on failure, undoes the set.
    void Prepara(const std::string& caminho, const std::string& mensagemErro,
                 const std::function<void(TArquivoAtomico&)>& escreve);
    // Puts back every target replaced so far and removes what is left beside them.
    void Desfaz() noexcept;

    std::vector<Arquivo> arquivos_;
};
