#include "app/EstadoPrograma.h"

namespace {
EstadoPrograma estado;
}

EstadoPrograma &Estado() { return estado; }

void reiniciaEstado() { estado = EstadoPrograma{}; }
