#!/usr/bin/env python3
"""Writes the seed corpora under fuzz/corpus/: well-formed records of each
kind the targets decode, a few truncated or lying ones, so that fuzzing
starts from the shapes the host really sends."""
import os
import struct

RAIZ = os.path.join(os.path.dirname(os.path.abspath(__file__)), "corpus")


def grava(alvo, nome, dados):
    d = os.path.join(RAIZ, alvo)
    os.makedirs(d, exist_ok=True)
    with open(os.path.join(d, nome), "wb") as f:
        f.write(dados)


def u16(v):
    return struct.pack("<H", v)


def produto(tipo, codigo, flags=None):
    p = bytearray(b"0" * 139)
    p[5:7] = tipo
    p[7:11] = codigo
    for off, c in (flags or {}).items():
        p[off] = ord(c)
    return bytes(p)


def entrada_o(codigo, tipo, nome, venda):
    return codigo + tipo + nome.ljust(40) + venda


def servico_o(entradas, ts=b"2026120601"):
    return b"CABEC1" + ts + u16(len(entradas)) + b"".join(entradas)


def tabela_w(produtos, contagem=None):
    return b"HDR01" + u16(len(produtos) if contagem is None else contagem) + b"".join(produtos)


def servico_e():
    q = b"0010000" + b"0110" + b"0" + b"6" + b"CPF DO CLIENTE".ljust(41)
    return u16(2) + b"02" + q + q + b"00" + b"x"


def servico_l():
    g = b"0001" + b"UN  " + b"1" + b"GASOLINA COMUM".ljust(41)
    return u16(2) + b"01" + b"1" + b"ABCD" + b"02" + g + g + b"07" + b"x"


# Raw decoders read the whole input; the field path reads it through
# FuzzedDataProvider, so plain records serve both.
w = tabela_w([produto(b"02", b"0001", {106: "1"}), produto(b"01", b"0002"), produto(b"32", b"0003")])
grava("fuzz_servicos", "w_tres_produtos", w)
grava("fuzz_servicos", "w_contagem_mente", tabela_w([produto(b"02", b"0001")], 60000))
grava("fuzz_servicos", "o_menu", servico_o([entrada_o(b"0100", b"15", b"PAGAMENTO DE CONTAS", b"1"),
                                             entrada_o(b"0200", b"07", b"CONSULTA SALDO", b"2")]))
grava("fuzz_servicos", "o_truncado", servico_o([entrada_o(b"0100", b"15", b"PAGAMENTO", b"1")])[:40])
grava("fuzz_servicos", "e_grupos", servico_e())
grava("fuzz_servicos", "l_itens", servico_l())
grava("fuzz_servicos", "wzinho", b"\x01" + b"2026120601")

q = b"0010000" + b"0311" + b"1" + b"1" + b"DATA DE NASCIMENTO".ljust(41)
g = b"0001" + b"LT  " + b"\x0f" + b"ETANOL".ljust(41)
grava("fuzz_capturaregras", "pergunta", q + b"\\x" + b"12345678901\\x" + b"010190\\x")
grava("fuzz_capturaregras", "produto_lojista", g + g + b"\\x" + b"0050\\x")


def descritor(codigo, flag, entradas):
    """entradas: (campo, indice, tamanho, formato, modo, texto or None)."""
    corpo = bytearray(408)
    corpo[0:4] = u16(codigo) + u16(flag)
    textos_em = 4 + 13 * (len(entradas) + 1)
    for i, (campo, indice, tam, fmt, modo, texto) in enumerate(entradas):
        off = 4 + 13 * i
        rel = 0
        if texto is not None:
            rel = textos_em - (off + 9)
            corpo[textos_em:textos_em + len(texto) + 1] = texto + b"\0"
            textos_em += len(texto) + 1
        corpo[off:off + 13] = struct.pack("<HHHHBi", campo, indice, tam, fmt, modo, rel)
    fim = 4 + 13 * len(entradas)
    corpo[fim:fim + 13] = struct.pack("<HHHHBi", 0xFFFF, 0, 0, 0, 0, 0)
    return bytes(corpo)


grava("fuzz_descritores", "debito", descritor(240, 1, [
    (10112, 0, 0, 0, 0, None), (1003, 0, 0, 4, 0, None), (10193, 0, 0, 0, 0, b"001:"),
    (0, 0, 13, 0, 0xFF, b"019:20261231"), (10176, 0, 0, 0, 0xFF, None)]))
grava("fuzz_descritores", "menu_outros", descritor(240, 0, [
    (0, 0, 0, 0, 0, b"0125"), (10171, 0, 0, 0, 0, None), (10158, 0, 0, 0, 0, None),
    (0, 0, 0, 0, 0, b""), (0, 0, 0, 0, 0, b"")]))
grava("fuzz_descritores", "sem_fim", bytes(4) + b"\x01\x00" * 200)
grava("fuzz_descritores", "curto", descritor(63, 0, [(10112, 0, 0, 0, 0, None)])[:30])

ident = b"GERTEC".ljust(33) + b"108A01"
df70 = b"0120000" + b"04" + b"A1B2C3D4" + b"\0"
# Strings come first (each ended by a backslash and one more byte), the
# integers and booleans from the input's end.
grava("fuzz_df70", "gertec_df70", ident + b"\\x" + df70 + b"\\x" + b"CSEG:123\\x" + b"1\\x" +
      b"W" + b"\\x" + b"\x01\x01\x01\x05\x05")
grava("fuzz_df70", "df70_sem_valor", b"\\x" + b"0120000" + b"00" + b"\\x" + b"\\x\\x\\x" + b"\x00\x01\x01\x05\x05")
grava("fuzz_df70", "df70_curto", b"\\x" + b"0060000" + b"04AABBCCDD" + b"\\x" + b"\x00\x00\x05\x05")

# First byte: the key (006:, 002:, other); second: whether the stated length lies.
grava("fuzz_procuracampo", "y3", b"\x00\x00" + b"006:Y3\x00002:A1B2C3\x00")
grava("fuzz_procuracampo", "tag002", b"\x01\x00" + b"006:00\x00002:0123456789ABCDEF\x00")
grava("fuzz_procuracampo", "sem_fim", b"\x00\x00" + b"003:xx\x00006:Z1")
grava("fuzz_procuracampo", "mente", b"\x01\xe0" + b"002:AB\x00")

# Header, consultation record, track, expiry, point of sale (strings first,
# each ended by a backslash and one more byte), then the flags and the year.
cabecalho = b"001205103015" + b"0" * 9 + b"PLANO CONSULTA 654321" + b" " * 19 + b"LOJA EXEMPLO    000042"
linhas = b"".join(b"%02d0150000000034000" % i for i in range(1, 4))
consulta = b"000000100000" + b"01500" + b"0" * 12 + b"0501" + b"0" * 14 + b"03" + linhas
grava("fuzz_cupomplano", "plano", cabecalho + b"\\x" + consulta + b"\\x" + b"5555666677778888=28121010000\\x" +
      b"\\x" + b"007\\x" + b"Xprimeira@segunda@fim\\x" + b"\x01\x00\x07\xea")
grava("fuzz_cupomplano", "linhas_demais", b"00\\x" + consulta[:47] + b"99" + linhas * 3 + b"\\x" + b"1234\\x" +
      b"0930\\x" + b"1\\x" + b"@@\\x" + b"\x00\x01\x00\x00")


def entrada_c1(flags, tipo, codigo, descricao):
    return flags + tipo + codigo + descricao.ljust(40, b"\0")


def servico_c1(entradas, contagem=None):
    corpo = u16(len(entradas) if contagem is None else contagem) + b"".join(entradas)
    return corpo.ljust(982, b"\0")


c1 = [entrada_c1(b"100", b"01", b"0001", b"CREDITO A VISTA"),
      entrada_c1(b"011", b"03", b"0002", b"DEBITO A VISTA")]
grava("fuzz_servicoc1", "duas_entradas", servico_c1(c1))
grava("fuzz_servicoc1", "contagem_mente", servico_c1(c1, 60000))
grava("fuzz_servicoc1", "cortado", servico_c1(c1)[:60])
grava("fuzz_servicoc1", "vinte", servico_c1([entrada_c1(b"000", b"18", b"%04d" % i, b"X" * 40) for i in range(20)]))
