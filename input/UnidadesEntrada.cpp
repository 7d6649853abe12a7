#include "input/UnidadesEntrada.h"

namespace UnidadesEntrada {

double CondutividadeArmazenada(double digitado, bool usuais) {
    return usuais ? digitado * 1000.0 / 24.0 : digitado;
}
double CondutividadeDigitada(double armazenado, bool usuais) {
    return usuais ? armazenado * 24.0 / 1000.0 : armazenado;
}

double DilatacaoArmazenada(double digitado) { return digitado / 1000000.0; }
double DilatacaoDigitada(double armazenado) { return armazenado * 1000000.0; }

double CoefCuraArmazenado(double digitado, bool usuais) {
    return usuais ? digitado * 1000.0 / 24.0 : digitado * 3600.0;
}
double CoefCuraDigitado(double armazenado, bool usuais) {
    return usuais ? armazenado * 24.0 / 1000.0 : armazenado / 3600.0;
}

double CoefVentoArmazenado(double formulaCEB, bool usuais) {
    return usuais ? formulaCEB * 1000.0 / 86400.0 : formulaCEB;
}

double TaxaConstanteArmazenada(double digitado, bool usuais) {
    return usuais ? digitado * 0.0099537 : digitado;
}
double TaxaConstanteDigitada(double armazenado, bool usuais) {
    return usuais ? armazenado / 0.0099537 : armazenado;
}

double TaxaTabelaArmazenada(double calculado, bool usuais) {
    return usuais ? calculado * 3600.0 : calculado;
}

double EnergiaAtivacaoArmazenada(double digitado, bool usuais) {
    return usuais ? digitado * 4.186 : digitado;
}
double EnergiaAtivacaoDigitada(double armazenado, bool usuais) {
    return usuais ? armazenado / 4.186 : armazenado;
}

}  // namespace UnidadesEntrada
