#pragma once
// OFX statements: 1.x (SGML: header lines, then tags whose leaf elements are never closed) with
// a small reader of our own, and 2.x (XML) through QXmlStreamReader. Both feed the same
// interpretation of STMTRS / CCSTMTRS, STMTTRN and LEDGERBAL.
#include <QByteArray>
#include <QString>
#include <vector>

#include "extractos/Extracto.h"

namespace LeitorOfx {
// "OFXHEADER:" at the start, or an <OFX> element without an XML declaration.
bool ehOfx1(const QByteArray &conteudo);
// An XML document with an OFX processing instruction or an <OFX> root.
bool ehOfx2(const QByteArray &conteudo);

// Throw ErroExtracto for damaged or cut-short files and unreadable amounts or dates.
std::vector<Extracto> le1(const QByteArray &conteudo, const QString &nomeFicheiro);
std::vector<Extracto> le2(const QByteArray &conteudo, const QString &nomeFicheiro);
} // namespace LeitorOfx
