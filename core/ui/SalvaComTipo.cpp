#include "core/ui/SalvaComTipo.h"

#include <QFile>

#include "core/ui/DialogosArquivo.h"

namespace SalvaComTipo {

QString Filtro(const std::vector<Tipo>& tipos) {
    QString f;
    for (const Tipo& t : tipos) f += t.Descricao + QStringLiteral("|*.") + t.Extensao + QLatin1Char('|');
    return f + QStringLiteral("Todos Arquivos|*.*");
}

std::optional<Escolha> Pergunta(DialogosArquivo& arquivos, const std::vector<Tipo>& tipos, PrimeiroTipo primeiro) {
    int tipo = 0;
    const auto nome = arquivos.salvarTipo(Filtro(tipos), tipo);
    if (!nome) return std::nullopt;
    if (tipo < 0 || tipo >= static_cast<int>(tipos.size())) tipo = 0;
    const QString fim = QLatin1Char('.') + tipos[static_cast<std::size_t>(tipo)].Extensao;
    QString caminho = *nome;
    const bool sempre = tipo == 0 && primeiro == PrimeiroTipo::SempreAnexa;
    if (sempre || !caminho.endsWith(fim, Qt::CaseInsensitive)) caminho += fim;
    return Escolha{QFile::encodeName(caminho).toStdString(), tipo};
}

std::optional<std::string> PerguntaPlanilha(DialogosArquivo& arquivos) {
    const auto escolha = Pergunta(arquivos, {{QStringLiteral("Planilha CSV"), QStringLiteral("csv")}},
                                  PrimeiroTipo::AnexaSeFaltar);
    if (!escolha) return std::nullopt;
    return escolha->Caminho;
}

const std::vector<Tipo>& TiposTabela() {
    static const std::vector<Tipo> tipos{{QStringLiteral("Arquivo Texto"), QStringLiteral("txt")},
                                         {QStringLiteral("Planilha CSV"), QStringLiteral("csv")}};
    return tipos;
}

std::optional<Escolha> PerguntaResumo(DialogosArquivo& arquivos) {
    return Pergunta(arquivos, TiposTabela(), PrimeiroTipo::AnexaSeFaltar);
}

}  // namespace SalvaComTipo
