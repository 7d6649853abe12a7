#include "app/lote/Opcoes.h"

#include <filesystem>

#include "core/ArquivoAtomico.h"
#include "core/Erros.h"
#include "core/Numeros.h"
#include "estudos/Partes.h"

namespace Lote {

const char* const Uso =
    "Uso: norvik1d-lote PROJETO [--temperaturas ARQUIVO] [--tensoes ARQUIVO] [--resumo]\n"
    "                   [--formulacao consistente|classica] [--formato texto|csv]\n"
    "                   [--relatorio ARQUIVO.pdf [--compara OUTRO]] [--limite-temperatura °C]\n"
    "                   [--limite-diferenca °C] [--verifica] [--remocao-segura CAMADA [--protecao N]]\n"
    "                   [--clima ARQUIVO [--origem-clima \"AAAA-MM-DD HH:MM\" --fuso H]]\n"
    "  Lê o arquivo de projeto PROJETO (.n1d.json), executa a análise térmica e, com\n"
    "  --tensoes, a análise de tensões; grava cada tabela no caminho dado, no leiaute\n"
    "  de \"Salvar Tudo\" ou, com --formato csv, como planilha (; entre campos, vírgula\n"
    "  decimal, UTF-8). Com --resumo, escreve também o resumo térmico (limite de 70 °C)\n"
    "  e, com --tensoes, o índice de fissuração (Tração Simples, limite 1,0).\n"
    "  --relatorio grava o relatório de controle térmico em PDF (A4), com as tensões\n"
    "  quando há --tensoes; --limite-temperatura (padrão 70) e --limite-diferenca\n"
    "  (padrão 20, núcleo–superfície) são os limites do relatório e do resumo.\n"
    "  --compara roda também o projeto OUTRO (com as mesmas --tensoes e --formulacao) e\n"
    "  põe no relatório a tabela de comparação dos dois.\n"
    "  --formulacao escolhe a formulação térmica em lugar da do projeto.\n"
    "  --remocao-segura busca a retirada mais cedo da proteção do topo da CAMADA (a que\n"
    "  sai por último, ou a N de --protecao) que mantém o índice de fissuração (Tração\n"
    "  Simples) ≥ 1,0 dali ao fim da análise.\n"
    "  Com --verifica, escreve também a verificação: o problema refeito com o dobro\n"
    "  de elementos por camada, com o passo de tempo dividido e na outra formulação (e,\n"
    "  com --tensoes, a maior tração e o menor índice), o que muda o resultado e o\n"
    "  balanço de energia. Com --resumo na formulação clássica, avisa quando a\n"
    "  consistente muda o veredito.\n"
    "  --clima usa na execução o arquivo de clima horário (o CSV próprio ou o CSV de\n"
    "  estação automática, como no diálogo), sem alterar o arquivo de projeto; o da\n"
    "  estação pede --origem-clima, a data e a hora local da hora 0 da análise, e\n"
    "  --fuso, o fuso da estação em horas (padrão -3, horário de Brasília).\n"
    "       norvik1d-lote --estudo ESTUDO --saida RESULTADO.csv [--parte K/N]\n"
    "  Roda os casos do estudo de cronograma ESTUDO em todos os núcleos e grava uma\n"
    "  linha por caso em RESULTADO.csv. Com --parte, roda só a K-ésima de N partes\n"
    "  contíguas dos casos (para um agendador de lotes ou o GNU parallel) e grava um\n"
    "  arquivo de parte.\n"
    "       norvik1d-lote --incerteza ESTUDO --saida RESULTADO.csv [--parte K/N]\n"
    "  Sorteia as amostras do estudo de incerteza ESTUDO, roda-as em todos os núcleos e\n"
    "  grava uma linha por amostra e o resumo (média, desvio, quantis, probabilidades\n"
    "  com intervalo de confiança de 95 % e correlações de Spearman) em RESULTADO.csv.\n"
    "  Com --parte, roda só as amostras da parte e grava um arquivo de parte, sem resumo.\n"
    "       norvik1d-lote --junta PARTE1.csv PARTE2.csv ... [--incerteza ESTUDO] --saida RESULTADO.csv\n"
    "  Junta os arquivos de todas as partes de um estudo no mesmo arquivo que uma\n"
    "  execução única gravaria, byte a byte; as de um estudo de incerteza pedem o\n"
    "  próprio estudo, para refazer o resumo das amostras juntadas.\n"
    "       norvik1d-lote PROJETO [--medicoes ARQUIVO [--origem DATA]] --calibra PARAM[,PARAM...]\n"
    "                     [--ate HORA] [--clima ARQUIVO [--origem-clima \"AAAA-MM-DD HH:MM\" --fuso H]]\n"
    "  Ajusta os parâmetros (E, CE, n, b, Tr, Topo, TLanc) às medições do arquivo (ou às do\n"
    "  projeto) até a hora dada (a última leitura, sem --ate) e imprime o relatório.\n"
    "  Sai com 0 em sucesso e 2 em entrada recusada ou falha.\n";

bool MesmoArquivo(const std::string& a, const std::string& b) {
    std::error_code ec1, ec2;
    const auto ca = std::filesystem::weakly_canonical(a, ec1);
    const auto cb = std::filesystem::weakly_canonical(b, ec2);
    return ec1 || ec2 ? a == b : ca == cb;
}

namespace {

int InteiroDaOpcao(const std::vector<std::string>& args, std::size_t& i, const std::string& opcao) {
    if (i + 1 >= args.size()) throw ErroEntrada("falta o número depois de " + opcao);
    try {
        return Numeros::TextoParaInteiro(args[++i]);
    } catch (const ErroConversao& e) {
        throw ErroEntrada(opcao + ": " + e.what());
    }
}

// A limit as the user types it, with the decimal comma (a point is taken too).
double LeLimite(const std::string& opcao, const std::string& texto) {
    std::string t = texto;
    for (char& c : t)
        if (c == '.') c = ',';
    try {
        return Numeros::TextoParaReal(t);
    } catch (const ErroConversao&) {
        throw ErroEntrada(opcao + " deve ser seguida de um número em °C, não \"" + texto + "\"");
    }
}

}  // namespace

Opcoes LeOpcoes(const std::vector<std::string>& args) {
    Opcoes o;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--ajuda" || a == "-h" || a == "--help") {
            o.ajuda = true;
        } else if (a == "--resumo") {
            o.resumo = true;
        } else if (a == "--verifica") {
            o.verifica = true;
        } else if (a == "--formulacao") {
            if (o.formulacao) throw ErroEntrada("a opção --formulacao foi dada mais de uma vez");
            const std::string valor = i + 1 < args.size() ? args[++i] : std::string();
            if (valor == "consistente") o.formulacao = TFormulacao::Consistente;
            else if (valor == "classica") o.formulacao = TFormulacao::Classica;
            else throw ErroEntrada("--formulacao deve ser seguida de consistente ou classica");
        } else if (a == "--remocao-segura") {
            if (o.remocaoSegura) throw ErroEntrada("a opção --remocao-segura foi dada mais de uma vez");
            o.remocaoSegura = InteiroDaOpcao(args, i, a);
        } else if (a == "--protecao") {
            o.protecao = InteiroDaOpcao(args, i, a);
            if (o.protecao < 1) throw ErroEntrada("--protecao deve ser seguida de um número a partir de 1");
        } else if (a == "--fuso") {
            if (o.fuso) throw ErroEntrada("a opção --fuso foi dada mais de uma vez");
            if (i + 1 >= args.size()) throw ErroEntrada("falta o fuso em horas depois de --fuso");
            try {
                o.fuso = Numeros::TextoParaInteiro(args[++i]);
            } catch (const ErroConversao&) {
                throw ErroEntrada("--fuso deve ser seguida do fuso da estação em horas inteiras (−3 para o horário "
                                  "de Brasília), não \"" + args[i] + "\"");
            }
            if (*o.fuso < -12 || *o.fuso > 14) throw ErroEntrada("--fuso deve ficar entre -12 e 14 horas");
        } else if (a == "--origem-clima") {
            if (o.origemClima) throw ErroEntrada("a opção --origem-clima foi dada mais de uma vez");
            if (i + 1 >= args.size() || args[i + 1].empty())
                throw ErroEntrada("falta a data e a hora local da hora 0 (\"AAAA-MM-DD HH:MM\") depois de --origem-clima");
            o.origemClima = args[++i];
        } else if (a == "--parte") {
            if (o.parte) throw ErroEntrada("a opção --parte foi dada mais de uma vez");
            if (i + 1 >= args.size()) throw ErroEntrada("falta K/N depois de --parte");
            o.parte = args[++i];
            (void)Partes::Le(*o.parte);
        } else if (a == "--junta") {
            if (!o.junta.empty()) throw ErroEntrada("a opção --junta foi dada mais de uma vez");
            while (i + 1 < args.size() && args[i + 1].rfind("--", 0) != 0) o.junta.push_back(args[++i]);
            if (o.junta.empty()) throw ErroEntrada("falta o arquivo de ao menos uma parte depois de --junta");
        } else if (a == "--formato") {
            const std::string valor = i + 1 < args.size() ? args[++i] : std::string();
            if (valor == "csv") o.csv = true;
            else if (valor == "texto") o.csv = false;
            else throw ErroEntrada("--formato deve ser seguida de texto ou csv");
        } else if (a == "--limite-temperatura" || a == "--limite-diferenca") {
            auto& destino = a == "--limite-temperatura" ? o.limiteTemperatura : o.limiteDiferenca;
            if (destino) throw ErroEntrada("a opção " + a + " foi dada mais de uma vez");
            if (i + 1 >= args.size()) throw ErroEntrada(a + " deve ser seguida de um número em °C");
            destino = LeLimite(a, args[++i]);
        } else if (a == "--temperaturas" || a == "--tensoes" || a == "--relatorio" || a == "--estudo" ||
                   a == "--incerteza" || a == "--saida" || a == "--medicoes" || a == "--origem" || a == "--calibra" || a == "--ate" ||
                   a == "--compara" || a == "--clima") {
            auto& destino = a == "--temperaturas" ? o.temperaturas
                            : a == "--tensoes"    ? o.tensoes
                            : a == "--relatorio"  ? o.relatorio
                            : a == "--estudo"     ? o.estudo
                            : a == "--incerteza"  ? o.incerteza
                            : a == "--saida"      ? o.saida
                            : a == "--medicoes"   ? o.medicoes
                            : a == "--origem"     ? o.origem
                            : a == "--calibra"    ? o.calibra
                            : a == "--compara"    ? o.compara
                            : a == "--clima"      ? o.clima
                                                  : o.ate;
            if (destino) throw ErroEntrada("a opção " + a + " foi dada mais de uma vez");
            if (i + 1 >= args.size() || args[i + 1].empty()) {
                throw ErroEntrada("falta o nome do arquivo depois de " + a);
            }
            destino = args[++i];
        } else if (a.size() > 1 && a[0] == '-') {
            throw ErroEntrada("opção desconhecida: " + a);
        } else if (o.projeto.empty()) {
            o.projeto = a;
        } else {
            throw ErroEntrada("mais de um arquivo de projeto: \"" + o.projeto + "\" e \"" + a + "\"");
        }
    }
    if (o.compara && !o.relatorio) throw ErroEntrada("--compara só vale com --relatorio");
    if ((o.origemClima || o.fuso) && !o.clima) throw ErroEntrada("--origem-clima e --fuso só valem com --clima");
    if (o.parte && !o.estudo && !o.incerteza) throw ErroEntrada("--parte só vale com --estudo ou --incerteza");
    if (o.parte && !o.junta.empty()) throw ErroEntrada("--parte não se combina com --junta");
    if (o.incerteza && o.junta.empty()) {
        if (!o.saida) throw ErroEntrada("falta --saida RESULTADO.csv para o estudo de incerteza");
        if (o.estudo || !o.projeto.empty() || o.temperaturas || o.tensoes || o.resumo || o.formulacao ||
            o.relatorio || o.verifica || o.remocaoSegura || o.csv || o.limiteTemperatura || o.limiteDiferenca ||
            o.clima || o.medicoes || o.calibra || o.ate || o.origem)
            throw ErroEntrada("--incerteza não se combina com um arquivo de projeto, com --estudo nem com as outras "
                              "opções");
        if (MesmoArquivo(*o.incerteza, *o.saida))
            throw ErroEntrada("o resultado \"" + *o.saida + "\" sobrescreveria o próprio estudo de incerteza");
        return o;
    }
    if (!o.junta.empty()) {
        if (!o.saida) throw ErroEntrada("falta --saida RESULTADO.csv para juntar as partes");
        if (o.estudo || !o.projeto.empty() || o.temperaturas || o.tensoes || o.resumo || o.formulacao ||
            o.relatorio || o.verifica || o.remocaoSegura || o.csv || o.limiteTemperatura || o.limiteDiferenca ||
            o.clima || o.calibra || o.medicoes)
            throw ErroEntrada("--junta não se combina com --estudo, um arquivo de projeto nem com as outras opções "
                              "(só com --incerteza, o estudo das partes de um estudo de incerteza)");
        for (const std::string& p : o.junta)
            if (MesmoArquivo(p, *o.saida))
                throw ErroEntrada("o resultado \"" + *o.saida + "\" sobrescreveria a parte \"" + p + "\"");
        if (o.incerteza && MesmoArquivo(*o.incerteza, *o.saida))
            throw ErroEntrada("o resultado \"" + *o.saida + "\" sobrescreveria o próprio estudo de incerteza");
        return o;
    }
    if (o.estudo || o.saida) {
        if (!o.estudo) throw ErroEntrada("--saida só vale com --estudo, --incerteza ou --junta");
        if (!o.saida) throw ErroEntrada("falta --saida RESULTADO.csv para o estudo");
        if (!o.projeto.empty() || o.temperaturas || o.tensoes || o.resumo || o.formulacao || o.relatorio ||
            o.verifica || o.remocaoSegura || o.csv || o.limiteTemperatura || o.limiteDiferenca || o.clima)
            throw ErroEntrada("--estudo não se combina com um arquivo de projeto nem com as outras opções");
        if (MesmoArquivo(*o.estudo, *o.saida))
            throw ErroEntrada("o resultado \"" + *o.saida + "\" sobrescreveria o próprio estudo");
        return o;
    }
    if (o.medicoes || o.calibra || o.ate || o.origem) {
        if (!o.calibra) throw ErroEntrada("--medicoes, --origem e --ate só valem com --calibra");
        if (o.origem && !o.medicoes) throw ErroEntrada("--origem só vale com --medicoes");
        if (o.temperaturas || o.tensoes || o.resumo || o.formulacao || o.relatorio || o.verifica ||
            o.remocaoSegura || o.csv)
            throw ErroEntrada("--calibra não se combina com as tabelas, o relatório, --resumo, --verifica, "
                              "--remocao-segura nem --formulacao");
    }
    if (!o.ajuda && o.projeto.empty()) throw ErroEntrada("falta o arquivo de projeto");
    if (o.protecao != 0 && !o.remocaoSegura) throw ErroEntrada("--protecao só vale com --remocao-segura");
    return o;
}


void VerificaSaidas(const Opcoes& o) {
    for (const auto* saida : {&o.temperaturas, &o.tensoes}) {
        if (*saida && MesmoArquivo(**saida, o.projeto)) {
            throw ErroEntrada("a tabela \"" + **saida + "\" sobrescreveria o próprio arquivo de projeto");
        }
    }
    if (o.temperaturas && o.tensoes && MesmoArquivo(*o.temperaturas, *o.tensoes)) {
        throw ErroEntrada("as tabelas de temperaturas e de tensões teriam o mesmo arquivo \"" + *o.tensoes + "\"");
    }
    if (o.relatorio) {
        if (MesmoArquivo(*o.relatorio, o.projeto))
            throw ErroEntrada("o relatório \"" + *o.relatorio + "\" sobrescreveria o próprio arquivo de projeto");
        for (const auto* saida : {&o.temperaturas, &o.tensoes})
            if (*saida && MesmoArquivo(**saida, *o.relatorio))
                throw ErroEntrada("o relatório e uma tabela teriam o mesmo arquivo \"" + *o.relatorio + "\"");
    }
    if (o.compara) {
        for (const auto* saida : {&o.temperaturas, &o.tensoes, &o.relatorio})
            if (*saida && MesmoArquivo(**saida, *o.compara))
                throw ErroEntrada("a saída \"" + **saida + "\" sobrescreveria o projeto de comparação");
    }
    // A folder that does not exist (or cannot be written) is refused before the run, not
    // after it: the temporary file is created and dropped at once.
    for (const auto* saida : {&o.temperaturas, &o.tensoes, &o.relatorio})
        if (*saida) TArquivoAtomico{**saida};
#ifndef NORVIK_RELATORIO_PDF
    if (o.relatorio) throw ErroEntrada("esta compilação da ferramenta de lote não gera relatórios (sem Qt)");
#endif
}

}  // namespace Lote
