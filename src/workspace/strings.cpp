#include "workspace/strings.h"

#include <algorithm>
#include <array>
#include <utility>

namespace lorvex::strings {
namespace {

struct Entry {
    int id;
    std::string_view text;
};

// Sorted by number.
constexpr std::array kTable = {
    Entry{1, "salvar mudanças para "},
    Entry{2, "cuidado!"},
    Entry{3, "hifen longo"},
    Entry{4, "valor ASCII do novo sinal menos"},
    Entry{5, "entrada"},
    Entry{6, "procurar por"},
    Entry{8, "Clique procurar para achar a primeira ocorrência de uma nova"},
    Entry{9, "palavra, depois próximo para procurar ocorrências adicionais."},
    Entry{10, "A procura começa a partir do cursor, que pode não estar visível"},
    Entry{11, "na tela, tanto faz digitar maiúsculas ou minúsculas."},
    Entry{12, "procurando"},
    Entry{13, "sobreescrever o arquivo existente?"},
    Entry{24, "atraso de milisegundos"},
    Entry{25, "ajuda.txt"},
    Entry{29, "semnome"},
    // The 25 colours of the palette.
    Entry{30, "preto"},
    Entry{31, "branco"},
    Entry{32, "magenta"},
    Entry{33, "amarelo"},
    Entry{34, "vermelho"},
    Entry{35, "kiwi"},
    Entry{36, "azul real"},
    Entry{37, "verde escuro"},
    Entry{38, "abóbora"},
    Entry{39, "rosa choque"},
    Entry{40, "vinho"},
    Entry{41, "ciano"},
    Entry{42, "areia"},
    Entry{43, "roxo"},
    Entry{44, "verde limão"},
    Entry{45, "salmão"},
    Entry{46, "oliva"},
    Entry{47, "azul"},
    Entry{48, "cinza1"},
    Entry{49, "cinza2"},
    Entry{50, "cinza3"},
    Entry{51, "cinza4"},
    Entry{52, "cinza5"},
    Entry{53, "cinza6"},
    Entry{54, "vermelho escuro"},
    Entry{64, "Arquivo de Texto (*.TXT)|*.txt"},
    Entry{88, "sucesso"},
    Entry{89, "Arquivo TeX salvo"},
    Entry{90, "Arquivos Matriz (*.FMA)|*.fma"},
    Entry{91, "Arquivos Matriz (*.CMA)|*.cma"},
    Entry{92, "Arquivos Matriz (*.IMA)|*.ima"},
    Entry{102, "o numero da nova coluna é"},
    Entry{103, "o numero da nova linha é"},
    Entry{104, "fundo"},
    Entry{106, "entrada em highlight"},
    Entry{107, "bordo"},
    Entry{108, "entrada de matriz"},
    Entry{109, "janela de texto"},
    Entry{201, "determinante"},
    Entry{202, "traço"},
    Entry{203, "posto"},
    Entry{204, "deseja salvar?"},
    Entry{205, "maximizar"},
    Entry{206, "minimizar"},
    Entry{207, "rotação"},
    Entry{209, "polinômio característico "},
    Entry{213, "matriz"},
    Entry{214, "dados de prog linear"},
    // Descriptions of the new-matrix kinds, 215 + kind.
    Entry{215, "zeros"},
    Entry{216, "aleatória"},
    Entry{217, "diagonal"},
    Entry{218, "probabilidade em linhas"},
    Entry{219, "probabilidade em colunas"},
    Entry{220, "projeção"},
    Entry{221, "reflexão"},
    Entry{223, "solução"},
    Entry{224, "base do núcleo"},
    Entry{225, "coluna"},
    Entry{226, "linha"},
    Entry{228, "forma escada"},
    Entry{229, "denom"},
    // Mode names, 230 + mode.
    Entry{230, "real"},
    Entry{231, "complexa"},
    Entry{232, "inteira"},
    Entry{233, "unitária aleatória"},
    Entry{234, "nova matriz"},
    Entry{235, "operações"},
    Entry{237, "linhas"},
    Entry{238, "à linha"},
    Entry{239, "colunas"},
    Entry{240, "à coluna"},
    Entry{297, "ajuda do lorvex"},
    // Messages of the result codes, 400 + code.
    Entry{401, "não foi possível compreender"},
    Entry{402, "não foi possível encontrar"},
    Entry{403, "memória lenta...problema!"},
    Entry{404, "mais nenhum espaço"},
    Entry{405, "nenhum gráfico na prancheta"},
    Entry{406, "dado inconsistente"},
    Entry{407, "arquivo ini não salvo"},
    Entry{408, "versões incompatíveis!"},
    Entry{409, "nada a fazer"},
    Entry{410, "nada a mostrar"},
    Entry{411, "não foi possível abrir arquivo"},
    Entry{412, "não foi possível salvar arquivo"},
    Entry{413, "cozinha fechada hoje..."},
    Entry{414, "valor positivo ?"},
    Entry{415, "faça uma seleção"},
    Entry{416, "ticks dos intervalos alterados"},
    Entry{417, "fora dos limites "},
    Entry{418, "não foi possível editar"},
    Entry{419, "não foi possível copiar"},
    Entry{420, "muito grande"},
    Entry{421, "arquivo ini danificado"},
    Entry{422, "imagem vai quando a janela é fechada"},
    Entry{423, "selecione dois"},
    Entry{424, "omite dados dos pontos"},
    Entry{425, "precisa pelo menos um"},
    Entry{426, "duplicar"},
    Entry{427, "o arquivo de uma matriz real deve ter a extensão .fma"},
    Entry{428, "o arquivo de uma matriz complexa deve ter a extensão .cma"},
    Entry{429, "o arquivo de uma matriz inteira deve ter a extensão .ima"},
    Entry{501, "não pode calcular"},
    Entry{502, "não é uma matriz"},
    Entry{503, "imcompatível"},
    Entry{504, "esperados dados não negativos"},
    Entry{505, "não é um vetor coluna"},
    Entry{506, "muitas colunas"},
    Entry{507, "não há vetores prováveis"},
    Entry{508, "matriz não encontrada"},
    Entry{509, "esperado um inteiro"},
    Entry{510, "dados Pitagoreanos esperados"},
    Entry{511, "problema ilimitado"},
    Entry{611, "Esc cancela autoavanço"},
};

static_assert(std::is_sorted(kTable.begin(), kTable.end(),
                             [](const Entry& a, const Entry& b) { return a.id < b.id; }));

}  // namespace

std::string_view byId(int id) {
    const auto found = std::lower_bound(kTable.begin(), kTable.end(), id,
                                        [](const Entry& entry, int key) { return entry.id < key; });
    return found != kTable.end() && found->id == id ? found->text : std::string_view{};
}

std::string_view message(int code) {
    return byId(400 + code);
}

}  // namespace lorvex::strings
