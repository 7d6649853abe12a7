#include "app/lote/Saidas.h"

#include <exception>
#include <filesystem>
#include <iostream>
#include <new>
#include <string>
#include <vector>

#include "core/GravacaoConjunta.h"
#include "core/TabelaTexto.h"
#include "relatorio/Relatorio.h"
#include "results/ComparacaoProjetos.h"
#include "results/ExportaCsv.h"
#include "results/ExportaTabela.h"
#include "stress/RetracaoAutogena.h"

#ifdef NORVIK_RELATORIO_PDF
#include <QApplication>

#include "relatorio/ui/DesenhoRelatorio.h"
#include "verificacao/Verificacao.h"
#endif

namespace Lote {

namespace {

#ifdef NORVIK_RELATORIO_PDF
// The report's pages, drawn in memory.
std::string Pdf(const Opcoes& o, const ExecucaoLote& ex) {
    const Analise& a = ex.Principal;
    const HistoricoNumerico* tensoes = a.ComTensoes ? &a.Tensoes : nullptr;
    LimitesRelatorio limites;
    limites.Temperatura = o.limiteTemperatura.value_or(LimiteTemperatura);
    if (o.limiteDiferenca) limites.Diferenca = *o.limiteDiferenca;
    limites.Indice = LimiteIndice;
    limites.Curva = CurvaIndice;
    const std::string nomeProjeto = std::filesystem::path(o.projeto).filename().string();
    TRelatorio relatorio = Relatorio::Monta(*a.Dados, a.Temperaturas, tensoes, limites, nomeProjeto);
    if (ex.Comparado) {
        const Analise& outro = *ex.Comparado;
        const TComparacaoProjetos c = TComparacaoProjetos::Calcula(
            {nomeProjeto, a.Dados.get(), &a.Temperaturas, tensoes},
            {std::filesystem::path(*o.compara).filename().string(), outro.Dados.get(), &outro.Temperaturas,
             outro.ComTensoes ? &outro.Tensoes : nullptr});
        Relatorio::AcrescentaComparacao(relatorio, c);
    }
    Progresso semJanela;
    // A verification that cannot run is a note of the report, not its failure.
    Relatorio::VerificacaoRelatorio verificacao{a.Dados->Formulacao == TFormulacao::Consistente, {}, {}, {}};
    try {
        const TVerificacao v = TVerificacao::Executa(*a.Dados, a.ComTensoes, semJanela);
        verificacao = {verificacao.Consistente, v.Linhas(), v.Notas(), v.Veredito()};
    } catch (const std::bad_alloc&) {
        throw;
    } catch (const std::exception& e) {
        verificacao.Notas.push_back(std::string("A verificação não pôde ser feita: ") + e.what());
    }
    Relatorio::AcrescentaVerificacao(relatorio, verificacao,
                                     Relatorio::AvisoFormulacao(relatorio, *a.Dados, limites, semJanela));
    // The charts are widgets: an application without a display draws them.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char nome[] = "norvik1d-lote";
    char* argv[] = {nome, nullptr};
    // Qt's notes about the platform are not the user's business.
    qInstallMessageHandler([](QtMsgType tipo, const QMessageLogContext&, const QString& texto) {
        if (tipo == QtCriticalMsg || tipo == QtFatalMsg) std::cerr << "norvik1d-lote: " << texto.toStdString() << '\n';
    });
    QApplication app(argc, argv);
    const QByteArray bytes = DesenhoRelatorio::Pdf(relatorio, *a.Dados, tensoes);
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}
#endif

// A history table in the format asked for, made from the numbers, into the set of files;
// `membro` (the temperatures') leaves the spreadsheet's cells of nodes not yet placed empty.
// The table goes to its file a block of rows at a time, never whole in memory.
void AcrescentaTabela(TGravacaoConjunta& saidas, const std::string& caminho, const Opcoes& o,
                      const HistoricoNumerico& numeros, int nElemAtivos, const char* unidade,
                      const TDadosModelo* membro) {
    saidas.AcrescentaPorPartes(caminho, [&](const std::function<void(std::string_view)>& escreve) {
        if (o.csv) ExportaCsv::Escreve(numeros, nElemAtivos, unidade, membro, escreve);
        else ExportaTabela::Escreve(numeros, nElemAtivos, escreve);
    });
}

}  // namespace

void Grava(const Opcoes& o, const ExecucaoLote& ex) {
    const Analise& a = ex.Principal;
    std::vector<std::string> mensagens;
    std::string aviso;
    if (a.Termico.Completo) {
        mensagens.push_back(a.Termico.Mensagem);
    } else {
        aviso = TProcesso::MensagemFim(a.Termico, *a.Dados) + " Sem mensagem de temperatura máxima.";
    }
    if (a.ComTensoes) mensagens.push_back(a.MensagemTensoes);

    std::string resumo;
    if (a.Resumo) resumo += ComLinha(a.Resumo->Texto(false));
    if (a.Indice) resumo += ComLinha(a.Indice->Texto(false));
    if (a.SemAutogena)
        resumo += ComLinha(RetracaoAutogena::LinhaParcela(a.Dados->TracaoMaxima, a.SemAutogena->Tracao,
                                                          a.SemAutogena->No, a.SemAutogena->Hora));
    resumo += ex.AvisoFormulacao;
    resumo += ex.Verificacao;

    // The report's pages are drawn in memory before any file is written.
    std::string pdf;
#ifdef NORVIK_RELATORIO_PDF
    if (o.relatorio) pdf = Pdf(o, ex);
#endif

    // Every analysis succeeded: only now are the files written, all of them or none
    // (a pair of tables from two different runs would be worse than no pair).
    TGravacaoConjunta saidas;
    if (o.temperaturas) AcrescentaTabela(saidas, *o.temperaturas, o, a.Temperaturas, a.AtivosTermico, "°C", a.Dados.get());
    if (o.tensoes) AcrescentaTabela(saidas, *o.tensoes, o, a.Tensoes, a.Dados->NElemAtivos, "MPa", nullptr);
    if (o.relatorio) saidas.Acrescenta(*o.relatorio, pdf, "Não foi possível salvar o relatório");
    saidas.Conclui();

    for (const auto& m : mensagens) std::cout << m << '\n';
    std::cout << resumo << ex.Remocao;
    std::cout.flush();
    if (!aviso.empty()) std::cerr << "norvik1d-lote: " << aviso << '\n';
}

}  // namespace Lote
