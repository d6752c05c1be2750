// Reply services: their decoders, the selected product and the other-transactions menu.
#include "Camposkora.h"
#include "Menuoutrosconsulta.h"
#include "test_module_host.h"

namespace {

using namespace TesteHost;

QByteArray U16(int v) { return QByteArray(1, char(v & 0xFF)) + char((v >> 8) & 0xFF); }

// A product record: kind, code and single-character flags at their offsets.
QByteArray ProdutoRegistro(const char* tipo, const char* codigo,
                           std::initializer_list<std::pair<int, char>> flags = {}) {
    QByteArray p(TAM_PRODUTO, '0');
    p.replace(OffProduto::TIPO, 2, tipo);
    p.replace(OffProduto::CODIGO, 4, codigo);
    for (auto [off, c] : flags) p[off] = c;
    return p;
}

QByteArray TabelaW(const std::vector<QByteArray>& produtos, int contagem = -1) {
    QByteArray w = "HDR01" + U16(contagem < 0 ? int(produtos.size()) : contagem);
    for (const auto& p : produtos) w += p;
    return w;
}

QByteArray EntradaO(const char* codigo, const char* tipo, const char* nome, char tipoVenda) {
    QByteArray e = QByteArray(codigo) + tipo + QByteArray(nome).leftJustified(40, ' ') + tipoVenda;
    return e;
}

QByteArray ServicoOBytes(const std::vector<QByteArray>& entradas, const char* ts = "2026120601") {
    QByteArray o = QByteArray("CABEC1") + ts + U16(int(entradas.size()));
    for (const auto& e : entradas) o += e;
    return o;
}

const unsigned char* B(const QByteArray& a) { return reinterpret_cast<const unsigned char*>(a.constData()); }

void GuardaServicos(const std::vector<QByteArray>& servicos) {
    Grava(CAMPO_QTD_SERVICOS_GUARDADOS, QByteArray::number(qlonglong(servicos.size())).rightJustified(4, '0'));
    for (size_t i = 0; i < servicos.size(); ++i) Grava(CAMPO_SERVICOS_GUARDADOS, servicos[i], uint16_t(i));
}

using ModuloServicos = HostTest;

} // namespace

TEST(ModuloDecodificacao, ServicoEGroupsAndTheirBounds) {
    const QByteArray q1(TAM_PRODUTO_ESPECIAL, 'a'), q2(TAM_PRODUTO_ESPECIAL, 'b');
    const QByteArray e = U16(2) + "02" + q1 + q2 + "00" + "x";
    TServicoE s;
    ASSERT_TRUE(DecodificaServicoE(B(e), size_t(e.size()), s));
    ASSERT_EQ(s.quantidade, 2);
    ASSERT_EQ(s.dados[0].quantidade, 2);
    EXPECT_EQ(s.dados[0].produtos[1].dados, q2);
    EXPECT_EQ(s.dados[1].quantidade, 0);

    // More groups announced than present: what fits is kept, nothing more.
    const QByteArray mente = U16(60000) + "01" + q1;
    EXPECT_FALSE(DecodificaServicoE(B(mente), size_t(mente.size()), s));
    ASSERT_EQ(s.quantidade, 1);
    EXPECT_EQ(s.dados[0].produtos[0].dados, q1);

    // An entry count larger than the bytes, and an entry cut in the middle.
    const QByteArray curto = U16(1) + "99" + q1 + q2.left(10);
    EXPECT_FALSE(DecodificaServicoE(B(curto), size_t(curto.size()), s));
    ASSERT_EQ(s.quantidade, 1);
    EXPECT_EQ(s.dados[0].quantidade, 1);

    EXPECT_FALSE(DecodificaServicoE(nullptr, 100, s));
    EXPECT_EQ(s.quantidade, 0);
    const QByteArray umByte("\x01", 1);
    EXPECT_FALSE(DecodificaServicoE(B(umByte), 1, s));
}

TEST(ModuloDecodificacao, ServicoLItemsOfOtherCodesTakeThreeBytes) {
    const QByteArray g1(TAM_PRODUTO_LOJISTA, 'g');
    const QByteArray l = U16(3) + "07" + "z" + "01" + "S" + "ABCD" + "01" + g1 + "05" + "y";
    TServicoL s;
    ASSERT_TRUE(DecodificaServicoL(B(l), size_t(l.size()), s));
    ASSERT_EQ(s.quantidade, 3);
    EXPECT_EQ(s.itens[0].codigo, 7);
    EXPECT_TRUE(s.itens[0].produtos.empty());
    EXPECT_EQ(s.itens[1].codigo, 1);
    EXPECT_EQ(s.itens[1].flag, 'S');
    EXPECT_EQ(s.itens[1].reservado, "ABCD");
    ASSERT_EQ(s.itens[1].quantidade, 1);
    EXPECT_EQ(s.itens[1].produtos[0].dados, g1);
    EXPECT_EQ(s.itens[2].codigo, 5);

    // Lying counts and a header cut short never read past the end.
    const QByteArray mente = U16(2) + "01" + "S" + "ABCD" + "40" + g1;
    EXPECT_FALSE(DecodificaServicoL(B(mente), size_t(mente.size()), s));
    ASSERT_EQ(s.quantidade, 1);
    EXPECT_EQ(s.itens[0].quantidade, 1);
    for (int corte = 0; corte < 9; ++corte) {
        const QByteArray c = (U16(1) + "01" + "S" + "ABCD" + "01").left(corte);
        EXPECT_FALSE(DecodificaServicoL(B(c), size_t(c.size()), s)) << corte;
        EXPECT_EQ(s.quantidade, 0);
    }
}

TEST(ModuloDecodificacao, FixedRecordsClampTheirCounts) {
    TServicoW w;
    QByteArray t = TabelaW({ProdutoRegistro("01", "1234")}, 300);
    EXPECT_FALSE(DecodificaServicoW(B(t), size_t(t.size()), w)); // short: rest zero
    EXPECT_EQ(w.quantidade(), MAX_PRODUTOS_W);
    EXPECT_NE(w.produto(19), nullptr);
    EXPECT_EQ(w.produto(20), nullptr);
    EXPECT_EQ(w.produto(-1), nullptr);
    EXPECT_EQ(ProcuraProdutoServicoW(w, "1234"), 0);
    EXPECT_EQ(ProcuraProdutoServicoW(w, "12"), -1);
    EXPECT_EQ(w.produto(1)[0], 0);

    TServicoO o;
    QByteArray ob = ServicoOBytes({EntradaO("0015", "15", "Conta", '1')});
    ob[16] = char(0xFF);
    ob[17] = char(0xFF);
    DecodificaServicoO(B(ob), size_t(ob.size()), o);
    EXPECT_EQ(o.quantidadeGravada(), 0xFFFF);
    EXPECT_EQ(o.quantidade(), MAX_ENTRADAS_O);
    TEntradaServicoO e;
    ASSERT_TRUE(o.entrada(0, e));
    EXPECT_EQ(e.codigo, "0015");
    EXPECT_EQ(e.tipoVenda, '1');
    EXPECT_TRUE(o.entrada(19, e));
    EXPECT_FALSE(o.entrada(20, e));
    EXPECT_EQ(ProcuraTipoServicoO(o, "15"), 0);
    EXPECT_EQ(o.timeStamp(), "2026120601");

    TProduto p;
    EXPECT_EQ(p.em(-1), '\0');
    EXPECT_EQ(p.em(TAM_PRODUTO), '\0');
    EXPECT_TRUE(p.texto(135, 10).size() == 4);
    EXPECT_EQ(p.tipo(), -1);
}

TEST_F(ModuloServicos, ProductListSelectsTheProductAndCopiesItsAttributes) {
    const QByteArray deb = ProdutoRegistro("02", "0002", {{93, 'A'}, {95, 'B'}, {138, 'C'}});
    const QByteArray q(TAM_PRODUTO_ESPECIAL, 'q');
    GuardaServicos({"W" + TabelaW({ProdutoRegistro("01", "0001"), deb}), "E" + U16(1) + "01" + q,
                    "L" + U16(1) + "09" + "x", "Zignored"});
    Grava(CAMPO_CODIGO_PRODUTO, "0002");
    ASSERT_TRUE(ProcuraMontaListaProdutoSelecionado());
    EXPECT_EQ(Produto.codigo(), "0002");
    EXPECT_EQ(Produto.tipo(), 2);
    EXPECT_EQ(Le(CAMPO_ATRIBUTO_PRODUTO_138), "C");
    EXPECT_EQ(Le(CAMPO_ATRIBUTO_PRODUTO_95), "B");
    EXPECT_EQ(Le(CAMPO_ATRIBUTO_PRODUTO_93), "A");
    EXPECT_EQ(ServicoE.quantidade, 1);
    EXPECT_EQ(ServicoL.quantidade, 1);

    // A code that is not in the table keeps the previous product.
    Grava(CAMPO_CODIGO_PRODUTO, "9999");
    Host().campos.limpa(CAMPO_ATRIBUTO_PRODUTO_95);
    EXPECT_TRUE(ProcuraMontaListaProdutoSelecionado());
    EXPECT_EQ(Produto.codigo(), "0002");
    EXPECT_EQ(Le(CAMPO_ATRIBUTO_PRODUTO_95), "B");
}

TEST_F(ModuloServicos, OServiceWithoutProductTableLeavesProductUntouched) {
    const QByteArray o = ServicoOBytes({EntradaO("0015", "15", "Pagamento", '0')});
    GuardaServicos({"O" + o});
    Grava(CAMPO_CODIGO_PRODUTO, "0001");
    EXPECT_FALSE(ProcuraMontaListaProdutoSelecionado());
    EXPECT_EQ(Le(CAMPO_SERVICO_O), o);
    EXPECT_EQ(ServicoO.quantidade(), 1);
    EXPECT_FALSE(Existe(CAMPO_ATRIBUTO_PRODUTO_138));
    EXPECT_FALSE(Existe(CAMPO_ATRIBUTO_PRODUTO_95));
    EXPECT_FALSE(Existe(CAMPO_ATRIBUTO_PRODUTO_93));
    EXPECT_EQ(Produto.codigo(), QByteArray(4, '\0'));

    // A count field that is not a number, or stored services that are absent.
    Grava(CAMPO_QTD_SERVICOS_GUARDADOS, "ab");
    EXPECT_FALSE(ProcuraMontaListaProdutoSelecionado());
    Grava(CAMPO_QTD_SERVICOS_GUARDADOS, "0009");
    EXPECT_FALSE(ProcuraMontaListaProdutoSelecionado());
}

TEST_F(ModuloServicos, FailedOReadGivesAnEmptyMenuAndRefetchesWhenDue) {
    EXPECT_EQ(LeServicoO(ServicoO), -100);
    EXPECT_EQ(ServicoO.cabecalho(), "000000");
    EXPECT_EQ(ServicoO.timeStamp(), "0000000000");
    EXPECT_EQ(ServicoO.quantidade(), 0);
    EXPECT_EQ(Requisicoes(), 0);

    // Field 10224 "1": the list is fetched again first, without a dialog.
    Grava(CAMPO_ESTADO_MENU_OUTROS, "1");
    const QByteArray o = "O" + ServicoOBytes({EntradaO("0015", "15", "Conta", '0')}, "2026120699");
    Host().respostasAdquirente.append(
        QJsonObject{{"fields", QJsonObject{{"1009", "00"}, {"20143", "0001"}}},
                    {"indexedHex", QJsonObject{{"20033", QJsonArray{QString::fromLatin1(o.toHex())}}}}});
    EXPECT_EQ(LeServicoO(ServicoO), -100); // a plain read fetches nothing
    EXPECT_EQ(Requisicoes(), 0);
    ASSERT_TRUE(MenuOutrosVencido());
    ASSERT_TRUE(RealizaConsultaMenuOutrosInterno());
    ProcuraMontaListaProdutoSelecionado();
    EXPECT_EQ(LeServicoO(ServicoO), 0);
    ASSERT_EQ(Requisicoes(), 1);
    EXPECT_EQ(Enviado(0, CAMPO_CODIGO_REQUISICAO), "49");
    EXPECT_EQ(ServicoO.quantidade(), 1);
    EXPECT_EQ(Le(CAMPO_CODIGO_RESPOSTA), "FF");
    EXPECT_EQ(Le(CAMPO_TEXTO_RESULTADO), M(801));
    // The new stamp differs from the kept one: the menu is marked and the stamp kept.
    EXPECT_EQ(Plataforma::LeIni("Cliente.ini", "MENU_OUTROS", "TimeStamp"), "2026120699");
    EXPECT_EQ(Le(CAMPO_ESTADO_MENU_OUTROS), "1");
}

TEST_F(ModuloServicos, ProductKindSelectionAndTimeStampService) {
    Grava(CAMPO_SERVICO_O, ServicoOBytes({EntradaO("0005", "05", "Pre", '0'), EntradaO("0715", "15", "Conta", '1')}));
    ASSERT_EQ(LeServicoO(ServicoO), 0);
    EXPECT_TRUE(VerificaGravaProduto("15"));
    EXPECT_EQ(Le(CAMPO_CODIGO_PRODUTO), "0715");
    Grava(CAMPO_ESTADO_MENU_OUTROS, "0");
    EXPECT_FALSE(VerificaGravaProduto("33"));
    EXPECT_EQ(Le(CAMPO_ESTADO_MENU_OUTROS), "1");

    // w services: only the one of type 1 carries the menu's stamp.
    Plataforma::GravaIni("Cliente.ini", "MENU_OUTROS", "TimeStamp", "1111111111");
    Grava(CAMPO_QTD_SERVICOS_W, "3");
    Grava(CAMPO_SERVICOS_W, QByteArray(1, '\x02') + "2222222222", 0);
    Grava(CAMPO_SERVICOS_W, QByteArray(1, '\x01') + "33333", 1); // short record
    Grava(CAMPO_SERVICOS_W, QByteArray(1, '\x01') + "4444444444", 2);
    TrataServicoWzinho();
    EXPECT_EQ(Plataforma::LeIni("Cliente.ini", "MENU_OUTROS", "TimeStamp"), "33333");
    Grava(CAMPO_ESTADO_MENU_OUTROS, "0");
    TrataServicoWzinho(); // same stamp: nothing marked
    EXPECT_EQ(Le(CAMPO_ESTADO_MENU_OUTROS), "0");
}
