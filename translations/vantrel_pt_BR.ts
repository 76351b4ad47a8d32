<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>CharacterLoader</name>
    <message>
        <source>The sprite workspace %1 cannot be read</source>
        <translation>A área de trabalho de sprites %1 não pode ser lida</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made for the sprites: %2</source>
        <translation>Não é possível criar a pasta %1 para os sprites: %2</translation>
    </message>
    <message>
        <source>Status: Loading SFF file</source>
        <translation>Status: carregando o arquivo SFF</translation>
    </message>
    <message>
        <source>The spawn script cannot be written in %1.</source>
        <translation>Não é possível gravar o script de execução em %1.</translation>
    </message>
    <message>
        <source>Unpacking the sprites</source>
        <translation>Descompactando os sprites</translation>
    </message>
    <message>
        <source>The sprite file %1 was not unpacked: cancelled.</source>
        <translation>O arquivo de sprites %1 não foi descompactado: cancelado.</translation>
    </message>
    <message>
        <source>the sprite tool wrote no sprite index.</source>
        <translation>a ferramenta de sprites não gravou nenhum índice de sprites.</translation>
    </message>
    <message>
        <source>The sprite file %1 cannot be unpacked: %2</source>
        <translation>Não é possível descompactar o arquivo de sprites %1: %2</translation>
    </message>
    <message>
        <source>The sprite file %1 cannot be unpacked</source>
        <translation>Não é possível descompactar o arquivo de sprites %1</translation>
    </message>
    <message>
        <source>Status: Indexing images</source>
        <translation>Status: indexando imagens</translation>
    </message>
    <message>
        <source>Indexing images</source>
        <translation>Indexando imagens</translation>
    </message>
    <message>
        <source>%1: the first sprite&apos;s picture is missing.</source>
        <translation>%1: a imagem do primeiro sprite está faltando.</translation>
    </message>
    <message>
        <source>The sprite workspace in %1 cannot be replaced: %2</source>
        <translation>A área de trabalho de sprites em %1 não pode ser substituída: %2</translation>
    </message>
    <message>
        <source>A file referenced in the .DEF file does not exist?</source>
        <translation>Um arquivo indicado no arquivo .DEF não existe?</translation>
    </message>
</context>
<context>
    <name>DocumentViews</name>
    <message>
        <source>%1 changed on disk since Vantrel read it.  Save your version over it?</source>
        <translation>%1 foi alterado no disco depois que o Vantrel o leu.  Salvar a sua versão por cima?</translation>
    </message>
    <message>
        <source>Discard your changes to %1?</source>
        <translation>Descartar suas alterações em %1?</translation>
    </message>
</context>
<context>
    <name>FramePanel</name>
    <message>
        <source>Group</source>
        <translation>Grupo</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Imagem</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Flip</source>
        <translation>Inversão</translation>
    </message>
    <message>
        <source>Blend</source>
        <translation>Mistura</translation>
    </message>
    <message>
        <source>Scale X</source>
        <translation>Escala X</translation>
    </message>
    <message>
        <source>Scale Y</source>
        <translation>Escala Y</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Ângulo</translation>
    </message>
    <message>
        <source>%1 does not read</source>
        <translation>%1 ilegível</translation>
    </message>
    <message>
        <source>%1 is out of range</source>
        <translation>%1 fora do intervalo</translation>
    </message>
</context>
<context>
    <name>GuardedApplication</name>
    <message>
        <source>Vantrel could not finish that: %1. Your other work is unchanged.</source>
        <translation>O Vantrel não conseguiu concluir isso: %1. O restante do seu trabalho não foi alterado.</translation>
    </message>
</context>
<context>
    <name>HistoryActions</name>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Problem with associated AIR file.</source>
        <translation>Problema com o arquivo AIR associado.</translation>
    </message>
    <message>
        <source>Can&apos;t divide by zero</source>
        <translation>Não é possível dividir por zero</translation>
    </message>
    <message>
        <source>This is not a valid 256-colour Jasc PAL file.  Please choose another.</source>
        <translation>Este não é um arquivo Jasc PAL válido de 256 cores.  Escolha outro.</translation>
    </message>
    <message>
        <source>A sound bank holds at most 32767 samples.</source>
        <translation>Um banco de sons comporta no máximo 32767 amostras.</translation>
    </message>
    <message>
        <source>A sound bank must stay under 2 GB.</source>
        <translation>Um banco de sons precisa ficar abaixo de 2 GB.</translation>
    </message>
    <message>
        <source>Not a valid SND file!</source>
        <translation>Não é um arquivo SND válido!</translation>
    </message>
    <message>
        <source>No associated Sound file.
Please reference one in the DEF file, or create one now.</source>
        <translation>Nenhum arquivo de som associado.
Indique um no arquivo DEF ou crie um agora.</translation>
    </message>
    <message>
        <source>Not enough disk space. Free some space then retry.</source>
        <translation>Espaço em disco insuficiente. Libere espaço e tente de novo.</translation>
    </message>
    <message>
        <source>Sorry, can&apos;t load that pcx file!</source>
        <translation>Desculpe, não foi possível carregar esse arquivo pcx!</translation>
    </message>
    <message>
        <source>Sorry, can&apos;t load that png file!</source>
        <translation>Desculpe, não foi possível carregar esse arquivo png!</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Modificado</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Sucesso</translation>
    </message>
    <message>
        <source>This is not a valid WAV file. Choose another file.</source>
        <translation>Este não é um arquivo WAV válido. Escolha outro arquivo.</translation>
    </message>
    <message>
        <source>Samples written to disk</source>
        <translation>Amostras gravadas no disco</translation>
    </message>
    <message>
        <source>You have unsaved changes. Do you want to save?</source>
        <translation>Há alterações não salvas. Deseja salvá-las?</translation>
    </message>
    <message>
        <source>There is no Sound Card on this system.</source>
        <translation>Não há placa de som neste sistema.</translation>
    </message>
    <message>
        <source>Please type a whole number from 0 to 2147483647.</source>
        <translation>Digite um número inteiro de 0 a 2147483647.</translation>
    </message>
    <message>
        <source>The sound bank cannot take more samples: it holds at most 32767 and must stay under 2 GB.</source>
        <translation>O banco de sons não aceita mais amostras: ele comporta no máximo 32767 e precisa ficar abaixo de 2 GB.</translation>
    </message>
    <message>
        <source>The sprites have changes that are not in an SFF file yet. Save them first?</source>
        <translation>Os sprites têm alterações que ainda não estão em um arquivo SFF. Salvá-las antes?</translation>
    </message>
    <message>
        <source>The sprites are read when the character is opened: open it again to read the SFF anew.</source>
        <translation>Os sprites são lidos quando o personagem é aberto: abra-o de novo para ler o SFF novamente.</translation>
    </message>
    <message>
        <source>The SFF file is still being built.</source>
        <translation>O arquivo SFF ainda está sendo gerado.</translation>
    </message>
    <message>
        <source>There are no sprites to build an SFF file from.</source>
        <translation>Não há sprites para gerar um arquivo SFF.</translation>
    </message>
    <message>
        <source>Too many images!</source>
        <translation>Imagens demais!</translation>
    </message>
    <message>
        <source>The sprite index is too large (more than 99,000 lines).</source>
        <translation>O índice de sprites é grande demais (mais de 99.000 linhas).</translation>
    </message>
    <message>
        <source>The sprite index is too large (more than 20,000 images).</source>
        <translation>O índice de sprites é grande demais (mais de 20.000 imagens).</translation>
    </message>
    <message>
        <source>There is no place to open documents in.</source>
        <translation>Não há onde abrir documentos.</translation>
    </message>
    <message>
        <source>Could not write the file: it has no name yet.</source>
        <translation>Não foi possível gravar o arquivo: ele ainda não tem nome.</translation>
    </message>
    <message>
        <source>cannot read the character definition</source>
        <translation>não é possível ler a definição do personagem</translation>
    </message>
    <message>
        <source>ikemenversion %1 is not a version number (such as 0.99 or 1.0)</source>
        <translation>ikemenversion %1 não é um número de versão (como 0.99 ou 1.0)</translation>
    </message>
    <message>
        <source>%1 does not exist</source>
        <translation>%1 não existe</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>não é possível ler %1: %2</translation>
    </message>
    <message>
        <source>sprite %1 appears twice in %2</source>
        <translation>o sprite %1 aparece duas vezes em %2</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>não é possível ler %1</translation>
    </message>
    <message>
        <source>%1 is not a sound bank that can be read</source>
        <translation>%1 não é um banco de sons legível</translation>
    </message>
    <message>
        <source>sprite %1 is used by no action</source>
        <translation>nenhuma ação usa o sprite %1</translation>
    </message>
    <message>
        <source>the character is too large to check</source>
        <translation>o personagem é grande demais para ser verificado</translation>
    </message>
    <message>
        <source>cannot check: %1</source>
        <translation>não é possível verificar: %1</translation>
    </message>
    <message>
        <source>%1 is too large to read</source>
        <translation>%1 é grande demais para ser lido</translation>
    </message>
    <message>
        <source>action %1 is defined again (first at line %2)</source>
        <translation>a ação %1 é definida de novo (primeiro na linha %2)</translation>
    </message>
    <message>
        <source>frame %1 of action %2 shows sprite %3, which %4 does not have</source>
        <translation>o quadro %1 da ação %2 mostra o sprite %3, que %4 não tem</translation>
    </message>
    <message>
        <source>%1 count says %2 but %3 box follows</source>
        <translation>a contagem de %1 diz %2, mas segue %3 caixa</translation>
    </message>
    <message>
        <source>%1 count says %2 but %3 boxes follow</source>
        <translation>a contagem de %1 diz %2, mas seguem %3 caixas</translation>
    </message>
    <message>
        <source>%1 box under a %2 count line</source>
        <translation>caixa %1 sob uma linha de contagem de %2</translation>
    </message>
    <message>
        <source>Loopstart is the last line of its action: no frame follows it</source>
        <translation>Loopstart é a última linha da sua action: nenhum frame o segue</translation>
    </message>
    <message>
        <source>%1 is an %2 controller; this character is for %3</source>
        <translation>%1 é um controlador do %2; este personagem é para %3</translation>
    </message>
    <message>
        <source>%1 is a %2 controller; this character is for %3</source>
        <translation>%1 é um controlador do %2; este personagem é para %3</translation>
    </message>
    <message>
        <source>%1 is an %2 trigger; this character is for %3</source>
        <translation>%1 é um trigger do %2; este personagem é para %3</translation>
    </message>
    <message>
        <source>%1 is a %2 trigger; this character is for %3</source>
        <translation>%1 é um trigger do %2; este personagem é para %3</translation>
    </message>
    <message>
        <source>%1 is neither beside the character nor in the engine&apos;s data folder here; the engine&apos;s own common states are assumed</source>
        <translation>%1 não está ao lado do personagem nem na pasta data do motor; os estados comuns do próprio motor são presumidos</translation>
    </message>
    <message>
        <source>Statedef without a readable state number</source>
        <translation>Statedef sem um número de estado legível</translation>
    </message>
    <message>
        <source>Statedef %1 is defined again (first at %2)</source>
        <translation>Statedef %1 é definido de novo (primeiro em %2)</translation>
    </message>
    <message>
        <source>controller outside any Statedef</source>
        <translation>controlador fora de qualquer Statedef</translation>
    </message>
    <message>
        <source>%1 uses action %2, which %3 does not have</source>
        <translation>%1 usa a ação %2, que %3 não tem</translation>
    </message>
    <message>
        <source>controller without a type</source>
        <translation>controlador sem type</translation>
    </message>
    <message>
        <source>unknown controller type %1</source>
        <translation>type de controlador desconhecido %1</translation>
    </message>
    <message>
        <source>%1 without %2</source>
        <translation>%1 sem %2</translation>
    </message>
    <message>
        <source>%1 without any of %2 or %3</source>
        <translation>%1 sem nenhum de %2 ou %3</translation>
    </message>
    <message>
        <source>%1 is not a parameter of %2</source>
        <translation>%1 não é um parâmetro de %2</translation>
    </message>
    <message>
        <source>%1: did you mean %2?</source>
        <translation>%1: você quis dizer %2?</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>%1 without a value</source>
        <translation>%1 sem valor</translation>
    </message>
    <message>
        <source>%1 to state %2, which no state file defines</source>
        <translation>%1 para o state %2, que nenhum arquivo de states define</translation>
    </message>
    <message>
        <source>%1 of %2 is empty</source>
        <translation>%1 de %2 está vazio</translation>
    </message>
    <message>
        <source>%1 plays sound %2, which %3 does not have</source>
        <translation>%1 toca o som %2, que %3 não tem</translation>
    </message>
    <message>
        <source>controller without any trigger</source>
        <translation>controlador sem nenhum trigger</translation>
    </message>
    <message>
        <source>controller without trigger1</source>
        <translation>controlador sem trigger1</translation>
    </message>
    <message>
        <source>%1 is missing: the triggers after it are never read</source>
        <translation>falta %1: os triggers depois dele nunca são lidos</translation>
    </message>
    <message>
        <source>unbalanced parentheses in %1</source>
        <translation>parênteses desbalanceados em %1</translation>
    </message>
    <message>
        <source>string without its closing quote in %1</source>
        <translation>string sem as aspas de fechamento em %1</translation>
    </message>
    <message>
        <source>unknown trigger %1 in %2</source>
        <translation>trigger desconhecido %1 em %2</translation>
    </message>
    <message>
        <source>%1 is empty</source>
        <translation>%1 está vazio</translation>
    </message>
    <message>
        <source>command %1 is not defined in %2</source>
        <translation>o comando %1 não está definido em %2</translation>
    </message>
    <message>
        <source>%1 is not state letters (S, C, A)</source>
        <translation>%1 não são letras de estado (S, C, A)</translation>
    </message>
    <message>
        <source>%1 is not an attack attribute (N, S, H or A, then A, T or P)</source>
        <translation>%1 não é um atributo de ataque (N, S, H ou A, depois A, T ou P)</translation>
    </message>
    <message>
        <source>%1 is out of range: %2 goes from 0 to %3</source>
        <translation>%1 está fora do intervalo: %2 vai de 0 a %3</translation>
    </message>
    <message>
        <source>%1 %2 is not one of %3</source>
        <translation>%1 %2 não é nenhum de %3</translation>
    </message>
    <message>
        <source>%1 %2 %3: %4</source>
        <translation>%1 %2 %3: %4</translation>
    </message>
    <message>
        <source>%1 %2 holds %3, which the engine does not take</source>
        <translation>%1 %2 contém %3, que o motor não aceita</translation>
    </message>
    <message>
        <source>postype %1 is not one of p1, p2, front, back, left, right</source>
        <translation>postype %1 não é nenhum de p1, p2, front, back, left, right</translation>
    </message>
    <message>
        <source>the condition of if</source>
        <translation>a condição do if</translation>
    </message>
    <message>
        <source>the expression in %1 is too long to check its names</source>
        <translation>a expressão em %1 é longa demais para verificar seus nomes</translation>
    </message>
    <message>
        <source>box line does not read as four numbers</source>
        <translation>a linha de caixa não é lida como quatro números</translation>
    </message>
    <message>
        <source>box number outside -32768 to 32767</source>
        <translation>número de caixa fora de -32768 a 32767</translation>
    </message>
    <message>
        <source>box written with left after right or top below bottom</source>
        <translation>caixa escrita com a esquerda depois da direita ou o topo abaixo da base</translation>
    </message>
    <message>
        <source>box index not below the block&apos;s count</source>
        <translation>índice de caixa não é menor que a contagem do bloco</translation>
    </message>
    <message>
        <source>box line without a count line above it</source>
        <translation>linha de caixa sem uma linha de contagem acima</translation>
    </message>
    <message>
        <source>box line of the other kind than its count line</source>
        <translation>linha de caixa de outro tipo que a sua linha de contagem</translation>
    </message>
    <message>
        <source>box count is not a number</source>
        <translation>a contagem de caixas não é um número</translation>
    </message>
    <message>
        <source>box count disagrees with the boxes that follow</source>
        <translation>a contagem de caixas não confere com as caixas seguintes</translation>
    </message>
    <message>
        <source>boxes that no frame of the action follows</source>
        <translation>caixas que nenhum frame da action segue</translation>
    </message>
    <message>
        <source>frame line does not read as group, image, x, y, time</source>
        <translation>a linha de quadro não é lida como group, image, x, y, time</translation>
    </message>
    <message>
        <source>line before the first action header</source>
        <translation>linha antes do primeiro cabeçalho de ação</translation>
    </message>
    <message>
        <source>action header without a readable number</source>
        <translation>cabeçalho de ação sem um número legível</translation>
    </message>
    <message>
        <source>Loopstart with no frame after it</source>
        <translation>Loopstart sem frame depois</translation>
    </message>
    <message>
        <source>line not understood</source>
        <translation>linha não entendida</translation>
    </message>
    <message>
        <source>problem</source>
        <translation>problema</translation>
    </message>
    <message>
        <source>too many problems; those after this line are not listed</source>
        <translation>problemas demais; os depois desta linha não são listados</translation>
    </message>
    <message>
        <source>&apos;%1&apos; without its opening bracket</source>
        <translation>&apos;%1&apos; sem o parêntese de abertura</translation>
    </message>
    <message>
        <source>string without its closing quote</source>
        <translation>string sem as aspas de fechamento</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is never closed</source>
        <translation>&apos;%1&apos; nunca é fechado</translation>
    </message>
    <message>
        <source>%1 without its &apos;{&apos;</source>
        <translation>%1 sem o seu &apos;{&apos;</translation>
    </message>
    <message>
        <source>state header without its closing &apos;]&apos;</source>
        <translation>cabeçalho de estado sem o &apos;]&apos; de fechamento</translation>
    </message>
    <message>
        <source>function header without a name</source>
        <translation>cabeçalho de função sem nome</translation>
    </message>
    <message>
        <source>unknown header [%1]: a state starts with [StateDef n; ...]</source>
        <translation>cabeçalho desconhecido [%1]: um estado começa com [StateDef n; ...]</translation>
    </message>
    <message>
        <source>StateDef without a readable state number</source>
        <translation>StateDef sem um número de estado legível</translation>
    </message>
    <message>
        <source>state header part &quot;%1&quot; is not &quot;key: value&quot;</source>
        <translation>a parte &quot;%1&quot; do cabeçalho de estado não é &quot;chave: valor&quot;</translation>
    </message>
    <message>
        <source>&apos;{&apos; of %1 is never closed</source>
        <translation>o &apos;{&apos; de %1 nunca é fechado</translation>
    </message>
    <message>
        <source>&apos;{&apos; inside the parameters of %1</source>
        <translation>&apos;{&apos; dentro dos parâmetros de %1</translation>
    </message>
    <message>
        <source>parameter of %1 without its &quot;name:&quot;</source>
        <translation>parâmetro de %1 sem o seu &quot;name:&quot;</translation>
    </message>
    <message>
        <source>code outside any [StateDef] or [Function]</source>
        <translation>código fora de qualquer [StateDef] ou [Function]</translation>
    </message>
    <message>
        <source>&apos;}&apos; without its &apos;{&apos;</source>
        <translation>&apos;}&apos; sem o seu &apos;{&apos;</translation>
    </message>
    <message>
        <source>if without a condition</source>
        <translation>if sem condição</translation>
    </message>
    <message>
        <source>else without its if</source>
        <translation>else sem o seu if</translation>
    </message>
    <message>
        <source>%1 without &quot;name =&quot;</source>
        <translation>%1 sem &quot;name =&quot;</translation>
    </message>
    <message>
        <source>%1 without its &apos;:&apos;</source>
        <translation>%1 sem o seu &apos;:&apos;</translation>
    </message>
    <message>
        <source>%1 outside a switch</source>
        <translation>%1 fora de um switch</translation>
    </message>
    <message>
        <source>call without &quot;Function(...)&quot;</source>
        <translation>call sem &quot;Function(...)&quot;</translation>
    </message>
    <message>
        <source>unknown statement &quot;%1&quot;</source>
        <translation>instrução desconhecida &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the file is too large to read</source>
        <translation>o arquivo é grande demais para ser lido</translation>
    </message>
    <message>
        <source>Frame no:%1</source>
        <translation>Quadro nº:%1</translation>
    </message>
    <message>
        <source>Group:%1</source>
        <translation>Grupo:%1</translation>
    </message>
    <message>
        <source>Image:%1</source>
        <translation>Imagem:%1</translation>
    </message>
    <message>
        <source>Duration:%1</source>
        <translation>Duração:%1</translation>
    </message>
    <message>
        <source>The palette file %1 cannot be read.</source>
        <translation>Não é possível ler o arquivo de paleta %1.</translation>
    </message>
    <message>
        <source>The palette file %1 holds only%2 bytes; a palette needs 768.</source>
        <translation>O arquivo de paleta %1 tem apenas%2 bytes; uma paleta precisa de 768.</translation>
    </message>
    <message>
        <source>sound %1 of %2</source>
        <translation>o som %1 de %2</translation>
    </message>
    <message>
        <source>the header&apos;s sound count, %1, is more than the %2 bytes after the header can hold</source>
        <translation>a contagem de sons do cabeçalho, %1, é maior do que cabe nos %2 bytes após o cabeçalho</translation>
    </message>
    <message>
        <source>truncated: the sub-header of %1 is at offset %2, the file ends at %3</source>
        <translation>truncado: o subcabeçalho de %1 está no deslocamento %2, o arquivo termina em %3</translation>
    </message>
    <message>
        <source>the sub-header of %1 at offset %2 has a value above 2147483647</source>
        <translation>o subcabeçalho de %1 no deslocamento %2 tem um valor acima de 2147483647</translation>
    </message>
    <message>
        <source>truncated: the sub-header of %1 says %2 bytes of data at offset %3, the file ends at %4</source>
        <translation>truncado: o subcabeçalho de %1 indica %2 bytes de dados no deslocamento %3, o arquivo termina em %4</translation>
    </message>
    <message>
        <source>the data of %1 at offset %2 could not be read</source>
        <translation>não foi possível ler os dados de %1 no deslocamento %2</translation>
    </message>
    <message>
        <source>the WAV data of %1 at offset %2 is %3 bytes, too short to give its format</source>
        <translation>os dados WAV de %1 no deslocamento %2 têm %3 bytes, poucos demais para indicar o formato</translation>
    </message>
    <message>
        <source>the WAV data of %1 at offset %2 gives a rate, channel count or sample size out of range</source>
        <translation>os dados WAV de %1 no deslocamento %2 indicam uma taxa, um número de canais ou um tamanho de amostra fora do intervalo</translation>
    </message>
    <message>
        <source>the next offset of %1 is %2, before the end of that sound at %3</source>
        <translation>o próximo deslocamento de %1 é %2, antes do fim desse som em %3</translation>
    </message>
    <message>
        <source>truncated: the file is %1 bytes long, shorter than the %2-byte SND header</source>
        <translation>truncado: o arquivo tem %1 bytes, menos que o cabeçalho SND de %2 bytes</translation>
    </message>
    <message>
        <source>the header gives more than %1 sounds</source>
        <translation>o cabeçalho indica mais de %1 sons</translation>
    </message>
    <message>
        <source>the header&apos;s first offset is above 32767</source>
        <translation>o primeiro deslocamento do cabeçalho é maior que 32767</translation>
    </message>
    <message>
        <source>the file could not be read</source>
        <translation>não foi possível ler o arquivo</translation>
    </message>
    <message>
        <source>the file does not start with the SND signature &quot;ElecbyteSnd&quot;</source>
        <translation>o arquivo não começa com a assinatura SND &quot;ElecbyteSnd&quot;</translation>
    </message>
    <message>
        <source>the file does not start with &quot;RIFF&quot; and the &quot;WAVEfmt&quot; header at byte 8</source>
        <translation>o arquivo não começa com &quot;RIFF&quot; e o cabeçalho &quot;WAVEfmt&quot; no byte 8</translation>
    </message>
    <message>
        <source>the file is %1 bytes long, too short to give its format (%2 bytes)</source>
        <translation>o arquivo tem %1 bytes, poucos demais para indicar o formato (%2 bytes)</translation>
    </message>
    <message>
        <source>its rate, channel count or sample size is out of range</source>
        <translation>a taxa, o número de canais ou o tamanho de amostra está fora do intervalo</translation>
    </message>
    <message>
        <source>the file cannot be opened: %1</source>
        <translation>não é possível abrir o arquivo: %1</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>não é um arquivo comum</translation>
    </message>
    <message>
        <source>the file is %1 bytes long, shorter than the %2-byte PCX header</source>
        <translation>o arquivo tem %1 bytes, menos que o cabeçalho PCX de %2 bytes</translation>
    </message>
    <message>
        <source>%1-bit PCX (only 8-bit pictures with a palette are read)</source>
        <translation>PCX de %1 bits (só são lidas imagens de 8 bits com paleta)</translation>
    </message>
    <message>
        <source>the header gives a picture of %1 x %2 pixels</source>
        <translation>o cabeçalho indica uma imagem de %1 x %2 pixels</translation>
    </message>
    <message>
        <source>the header gives %1 bytes per line for a picture %2 pixels wide</source>
        <translation>o cabeçalho indica %1 bytes por linha para uma imagem de %2 pixels de largura</translation>
    </message>
    <message>
        <source>the header promises %1 rows of %2 bytes, more than the %3 bytes of data after it can hold</source>
        <translation>o cabeçalho promete %1 linhas de %2 bytes, mais do que cabe nos %3 bytes de dados depois dele</translation>
    </message>
    <message>
        <source>truncated: the picture data ends at offset %1 in row %2 of %3</source>
        <translation>truncado: os dados da imagem terminam no deslocamento %1, na linha %2 de %3</translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation>não é possível ler o arquivo</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>line %1 ends with a line feed alone, without a carriage return</source>
        <translation>a linha %1 termina só com uma quebra de linha, sem retorno de carro</translation>
    </message>
    <message>
        <source>the file has %1 lines, fewer than the 259 of the header and 256 colours</source>
        <translation>o arquivo tem %1 linhas, menos que as 259 do cabeçalho e das 256 cores</translation>
    </message>
    <message>
        <source>line %1 is %2, not %3</source>
        <translation>a linha %1 é %2, não %3</translation>
    </message>
    <message>
        <source>line %1, %2, is not three numbers from 0 to 255</source>
        <translation>a linha %1, %2, não é formada por três números de 0 a 255</translation>
    </message>
    <message>
        <source>%1 is not a valid WAV file. Choose another file.</source>
        <translation>%1 não é um arquivo WAV válido. Escolha outro arquivo.</translation>
    </message>
    <message>
        <source>Successfully added

%1</source>
        <translation>Adicionados com sucesso

%1</translation>
    </message>
</context>
<context>
    <name>PaletteWindow</name>
    <message>
        <source>Character palette file (*.act)</source>
        <translation>Arquivo de paleta do personagem (*.act)</translation>
    </message>
    <message>
        <source>Jasc/PSP PAL file (*.pal)</source>
        <translation>Arquivo PAL do Jasc/PSP (*.pal)</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>the file starts as a PNG, but its picture cannot be decoded</source>
        <translation>o arquivo começa como PNG, mas a imagem não pode ser decodificada</translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation>o arquivo não pode ser lido</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>o arquivo não existe</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>QuickRun</name>
    <message>
        <source>The engine could not be started.</source>
        <translation>Não foi possível iniciar o motor.</translation>
    </message>
    <message>
        <source>The engine stopped at once (it crashed).</source>
        <translation>O motor parou imediatamente (travou).</translation>
    </message>
    <message>
        <source>The engine stopped at once with exit code %1.</source>
        <translation>O motor parou imediatamente com o código de saída %1.</translation>
    </message>
    <message>
        <source>%1

The last lines of its log (%2):

%3</source>
        <translation>%1

As últimas linhas do log (%2):

%3</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(vazio)</translation>
    </message>
    <message>
        <source>Save all changes before running?</source>
        <translation>Salvar todas as alterações antes de executar?</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>Salvar tudo</translation>
    </message>
    <message>
        <source>Run Without Saving</source>
        <translation>Executar sem salvar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>%1

Open Settings to choose the engine?</source>
        <translation>%1

Abrir as Configurações para escolher o motor?</translation>
    </message>
</context>
<context>
    <name>Recovery</name>
    <message>
        <source>the unsaved sprite changes</source>
        <translation>as alterações não salvas dos sprites</translation>
    </message>
    <message>
        <source>the unsaved sprite changes of %1</source>
        <translation>as alterações não salvas dos sprites de %1</translation>
    </message>
    <message>
        <source>the unsaved changes of %1 files</source>
        <translation>as alterações não salvas de %1 arquivos</translation>
    </message>
    <message>
        <source>Vantrel did not close cleanly. Restore %1?

Yes restores it, No keeps it for the next start, Discard deletes it.</source>
        <translation>O Vantrel não foi fechado corretamente. Restaurar %1?

Sim restaura, Não guarda para a próxima inicialização, Descartar apaga.</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>The unsaved changes of %1 files could not be put back. The copies stay in %2.</source>
        <translation>Não foi possível restaurar as alterações não salvas de %1 arquivos. As cópias permanecem em %2.</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>Default zoom: %1x</source>
        <translation>Zoom padrão: %1x</translation>
    </message>
</context>
<context>
    <name>SoundWindow</name>
    <message>
        <source>Delete Sound</source>
        <translation>Excluir som</translation>
    </message>
    <message>
        <source>Add Sounds</source>
        <translation>Adicionar sons</translation>
    </message>
    <message>
        <source>Add Sound</source>
        <translation>Adicionar som</translation>
    </message>
    <message>
        <source>Group Number</source>
        <translation>Número do grupo</translation>
    </message>
    <message>
        <source>Sample Number</source>
        <translation>Número da amostra</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Comentário</translation>
    </message>
    <message>
        <source>SND Mugen files (*.SND)</source>
        <translation>Arquivos SND do MUGEN (*.SND)</translation>
    </message>
    <message>
        <source>All files (*.*)</source>
        <translation>Todos os arquivos (*.*)</translation>
    </message>
    <message>
        <source>WAV files (*.WAV)</source>
        <translation>Arquivos WAV (*.WAV)</translation>
    </message>
</context>
<context>
    <name>SpriteCommands</name>
    <message>
        <source>Delete Sprite</source>
        <translation>Excluir sprite</translation>
    </message>
    <message>
        <source>Clone Sprite</source>
        <translation>Clonar sprite</translation>
    </message>
    <message>
        <source>Sort Sprites</source>
        <translation>Ordenar sprites</translation>
    </message>
</context>
<context>
    <name>TextDocument</name>
    <message>
        <source>Typing</source>
        <translation>Digitação</translation>
    </message>
</context>
<context>
    <name>TextEditorWindow</name>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Revert</source>
        <translation>Reverter</translation>
    </message>
    <message>
        <source>Revert to saved state</source>
        <translation>Voltar ao estado salvo</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Recortar</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Colar</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Localizar</translation>
    </message>
    <message>
        <source>Find text...</source>
        <translation>Localizar texto...</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Desfazer</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Character Definition File (DEF)</source>
        <translation>Arquivo de definição do personagem (DEF)</translation>
    </message>
    <message>
        <source>Saves the .def file</source>
        <translation>Salva o arquivo .def</translation>
    </message>
    <message>
        <source>Saves the .air file</source>
        <translation>Salva o arquivo .air</translation>
    </message>
    <message>
        <source>Anim</source>
        <translation>Anim</translation>
    </message>
    <message>
        <source>Character Animation Actions (AIR)</source>
        <translation>Ações de animação do personagem (AIR)</translation>
    </message>
    <message>
        <source>Commands (CMD)</source>
        <translation>Comandos (CMD)</translation>
    </message>
    <message>
        <source>Saves the .cmd file</source>
        <translation>Salva o arquivo .cmd</translation>
    </message>
    <message>
        <source>Constants (CNS)</source>
        <translation>Constantes (CNS)</translation>
    </message>
    <message>
        <source>Saves the .cns file</source>
        <translation>Salva o arquivo .cns</translation>
    </message>
    <message>
        <source>Notepad</source>
        <translation>Bloco de notas</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nova</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Saves the current .ST file</source>
        <translation>Salva o arquivo .ST atual</translation>
    </message>
    <message>
        <source>Get help on programming States</source>
        <translation>Obter ajuda sobre a programação de estados</translation>
    </message>
    <message>
        <source>Open State file %1 from the .DEF file</source>
        <translation>Abrir o arquivo de estados %1 indicado no arquivo .DEF</translation>
    </message>
    <message>
        <source>States (ST)</source>
        <translation>Estados (ST)</translation>
    </message>
</context>
<context>
    <name>Toolbar</name>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Open a Character Definition File (.def)</source>
        <translation>Abrir um arquivo de definição de personagem (.def)</translation>
    </message>
    <message>
        <source>Recycle</source>
        <translation>Recarregar</translation>
    </message>
    <message>
        <source>Reload the DEF file so Vantrel will recognise recent changes</source>
        <translation>Recarregar o arquivo DEF para que o Vantrel reconheça as alterações recentes</translation>
    </message>
    <message>
        <source>DEF</source>
        <translation>DEF</translation>
    </message>
    <message>
        <source>Edit the Definition file (.def)</source>
        <translation>Editar o arquivo de definição (.def)</translation>
    </message>
    <message>
        <source>SFF</source>
        <translation>SFF</translation>
    </message>
    <message>
        <source>Edit the Spritesheet File (.sff)</source>
        <translation>Editar o arquivo de sprites (.sff)</translation>
    </message>
    <message>
        <source>CNS</source>
        <translation>CNS</translation>
    </message>
    <message>
        <source>Edit the Constants file (.cns)</source>
        <translation>Editar o arquivo de constantes (.cns)</translation>
    </message>
    <message>
        <source>CMD</source>
        <translation>CMD</translation>
    </message>
    <message>
        <source>Edit the Commands file (.cmd)</source>
        <translation>Editar o arquivo de comandos (.cmd)</translation>
    </message>
    <message>
        <source>AIR</source>
        <translation>AIR</translation>
    </message>
    <message>
        <source>Edit the Animation file (.air)</source>
        <translation>Editar o arquivo de animações (.air)</translation>
    </message>
    <message>
        <source>SND</source>
        <translation>SND</translation>
    </message>
    <message>
        <source>Edit the Sound file (.snd)</source>
        <translation>Editar o arquivo de sons (.snd)</translation>
    </message>
    <message>
        <source>ST</source>
        <translation>ST</translation>
    </message>
    <message>
        <source>Edit the States files (.st)</source>
        <translation>Editar os arquivos de estados (.st)</translation>
    </message>
    <message>
        <source>ACT</source>
        <translation>ACT</translation>
    </message>
    <message>
        <source>Edit the Palettes files (.act)</source>
        <translation>Editar os arquivos de paletas (.act)</translation>
    </message>
    <message>
        <source>Calc</source>
        <translation>Calc</translation>
    </message>
    <message>
        <source>Miniature calculator</source>
        <translation>Calculadora em miniatura</translation>
    </message>
    <message>
        <source>pad</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>Notepad</source>
        <translation>Bloco de notas</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Executar</translation>
    </message>
    <message>
        <source>Quick-run this character</source>
        <translation>Executar este personagem rapidamente</translation>
    </message>
</context>
<context>
    <name>WorkspaceFolders</name>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>Não é possível criar a pasta %1.</translation>
    </message>
    <message>
        <source>No workspace folder can be made in %1.</source>
        <translation>Não é possível criar uma pasta de trabalho em %1.</translation>
    </message>
</context>
<context>
    <name>vantrel::ActionPanel</name>
    <message>
        <source>New</source>
        <translation>Nova</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplicar</translation>
    </message>
    <message>
        <source>Renumber</source>
        <translation>Renumerar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>From Sprites</source>
        <translation>De sprites</translation>
    </message>
    <message>
        <source>New action from sprites</source>
        <translation>Nova ação a partir de sprites</translation>
    </message>
    <message>
        <source>Action number:</source>
        <translation>Número da ação:</translation>
    </message>
    <message>
        <source>Action %1 already exists.</source>
        <translation>A ação %1 já existe.</translation>
    </message>
    <message>
        <source>New Action</source>
        <translation>Nova ação</translation>
    </message>
    <message>
        <source>Duplicate Action</source>
        <translation>Duplicar ação</translation>
    </message>
    <message>
        <source>Renumber Action</source>
        <translation>Renumerar ação</translation>
    </message>
    <message>
        <source>The header of this action cannot be renumbered.</source>
        <translation>O cabeçalho desta ação não pode ser renumerado.</translation>
    </message>
    <message>
        <source>Delete action %1 and all its frames?</source>
        <translation>Excluir a ação %1 e todos os seus quadros?</translation>
    </message>
    <message>
        <source>Delete Action</source>
        <translation>Excluir ação</translation>
    </message>
    <message>
        <source>New Action from Sprites</source>
        <translation>Nova ação a partir de sprites</translation>
    </message>
    <message>
        <source>Sprites (group,first-last; ...):</source>
        <translation>Sprites (grupo,primeiro-último; ...):</translation>
    </message>
</context>
<context>
    <name>vantrel::AirTextLink</name>
    <message>
        <source>The character&apos;s .def names no AIR file.</source>
        <translation>O .def do personagem não indica nenhum arquivo AIR.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>vantrel::AnimationPreview</name>
    <message>
        <source>Animation Preview</source>
        <translation>Pré-visualização da animação</translation>
    </message>
    <message>
        <source>Animation Controls</source>
        <translation>Controles da animação</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproduzir</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Loop</source>
        <translation>Repetir</translation>
    </message>
    <message>
        <source>Hide lines</source>
        <translation>Ocultar linhas</translation>
    </message>
    <message>
        <source>Show boxes</source>
        <translation>Mostrar caixas</translation>
    </message>
    <message>
        <source>Action no:</source>
        <translation>Ação nº:</translation>
    </message>
    <message>
        <source>Animation Window</source>
        <translation>Janela de animação</translation>
    </message>
    <message>
        <source>Zoom: 1x</source>
        <translation>Zoom: 1x</translation>
    </message>
    <message>
        <source>Zoom: %1x</source>
        <translation>Zoom: %1x</translation>
    </message>
    <message>
        <source>Something bad happened!  Err #%1</source>
        <translation>Algo deu errado!  Erro #%1</translation>
    </message>
    <message>
        <source>Status: Finding Palette</source>
        <translation>Status: procurando a paleta</translation>
    </message>
    <message>
        <source>Status: OK</source>
        <translation>Status: OK</translation>
    </message>
</context>
<context>
    <name>vantrel::BoxCanvas</name>
    <message>
        <source>frame line not understood</source>
        <translation>linha de quadro não compreendida</translation>
    </message>
    <message>
        <source>sprite %1,%2 missing</source>
        <translation>sprite %1,%2 ausente</translation>
    </message>
</context>
<context>
    <name>vantrel::BuildOptionsDialog</name>
    <message>
        <source>Save Parameters</source>
        <translation>Parâmetros de gravação</translation>
    </message>
    <message>
        <source>Crop images to maximum needed</source>
        <translation>Cortar as imagens ao tamanho necessário</translation>
    </message>
    <message>
        <source>Remove duplicate images</source>
        <translation>Remover imagens duplicadas</translation>
    </message>
    <message>
        <source>Remove duplicate palettes</source>
        <translation>Remover paletas duplicadas</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>The character&apos;s sprites were read from an SFF v%1. Write:</source>
        <translation>Os sprites do personagem foram lidos de um SFF v%1. Gravar:</translation>
    </message>
    <message>
        <source>SFF v1 (WinMUGEN, MUGEN 1.0 and 1.1, IKEMEN GO)</source>
        <translation>SFF v1 (WinMUGEN, MUGEN 1.0 e 1.1, IKEMEN GO)</translation>
    </message>
    <message>
        <source>SFF v2.00 (MUGEN 1.0 and 1.1, IKEMEN GO)</source>
        <translation>SFF v2.00 (MUGEN 1.0 e 1.1, IKEMEN GO)</translation>
    </message>
    <message>
        <source>SFF v2.01 (MUGEN 1.1, IKEMEN GO)</source>
        <translation>SFF v2.01 (MUGEN 1.1, IKEMEN GO)</translation>
    </message>
    <message>
        <source>MUGEN 1.0 reads no 32-bit sprites: %1 sprites are 32-bit pictures, which only MUGEN 1.1 and IKEMEN GO draw.</source>
        <translation>O MUGEN 1.0 não lê sprites de 32 bits: %1 sprites são imagens de 32 bits, que só o MUGEN 1.1 e o IKEMEN GO desenham.</translation>
    </message>
    <message>
        <source>SFF v1 has no palette table: each sprite keeps its colours, but the %1 palettes lose their numbers, and the %2 that no sprite uses are lost.</source>
        <translation>O SFF v1 não tem tabela de paletas: cada sprite mantém suas cores, mas as %1 paletas perdem seus números, e as %2 que nenhum sprite usa são perdidas.</translation>
    </message>
    <message>
        <source>SFF v1 has no palette table: each sprite keeps its colours, but the %1 palettes lose their numbers.</source>
        <translation>O SFF v1 não tem tabela de paletas: cada sprite mantém suas cores, mas as %1 paletas perdem seus números.</translation>
    </message>
    <message>
        <source>SFF v1 holds 8-bit sprites only: %1 sprites are 32-bit pictures, and the build stops at the first of them.</source>
        <translation>O SFF v1 comporta apenas sprites de 8 bits: %1 sprites são imagens de 32 bits, e a geração para no primeiro deles.</translation>
    </message>
</context>
<context>
    <name>vantrel::CalculatorWindow</name>
    <message>
        <source>Calculator</source>
        <translation>Calculadora</translation>
    </message>
</context>
<context>
    <name>vantrel::ChangedOnDiskBar</name>
    <message>
        <source>Reload</source>
        <translation>Recarregar</translation>
    </message>
    <message>
        <source>Keep mine</source>
        <translation>Manter a minha</translation>
    </message>
    <message>
        <source>%1 changed on disk.</source>
        <translation>%1 foi alterado no disco.</translation>
    </message>
</context>
<context>
    <name>vantrel::ClipList</name>
    <message>
        <source>TextClips</source>
        <translation>Trechos de texto</translation>
    </message>
    <message>
        <source>Too many textclips!
Truncated at 500...</source>
        <translation>Trechos de texto demais!
Lista cortada em 500...</translation>
    </message>
</context>
<context>
    <name>vantrel::CollisionBoxWindow</name>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Del All</source>
        <translation>Apagar tudo</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>Animação</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salvar</translation>
    </message>
    <message>
        <source>&amp;Export Action...</source>
        <translation>&amp;Exportar ação...</translation>
    </message>
    <message>
        <source>Selected frame</source>
        <translation>Quadro selecionado</translation>
    </message>
    <message>
        <source>Action #</source>
        <translation>Ação nº</translation>
    </message>
    <message>
        <source>Frame #</source>
        <translation>Quadro nº</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproduzir</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocidade</translation>
    </message>
    <message>
        <source>Loop</source>
        <translation>Repetir</translation>
    </message>
    <message>
        <source>Collision box draw style</source>
        <translation>Estilo de desenho das caixas de colisão</translation>
    </message>
    <message>
        <source>CLSN1 (Attack area definition)</source>
        <translation>CLSN1 (definição da área de ataque)</translation>
    </message>
    <message>
        <source>CLSN2 (Hittable area definition)</source>
        <translation>CLSN2 (definição da área atingível)</translation>
    </message>
    <message>
        <source>Default for future frames</source>
        <translation>Padrão para os próximos quadros</translation>
    </message>
    <message>
        <source>Copy boxes of previous frame</source>
        <translation>Copiar caixas do quadro anterior</translation>
    </message>
    <message>
        <source>Onion skin</source>
        <translation>Pele de cebola</translation>
    </message>
    <message>
        <source>Zoom: 1x</source>
        <translation>Zoom: 1x</translation>
    </message>
    <message>
        <source>Zoom: 2x</source>
        <translation>Zoom: 2x</translation>
    </message>
    <message>
        <source>Zoom: %1x</source>
        <translation>Zoom: %1x</translation>
    </message>
    <message>
        <source>1 frame</source>
        <translation>1 quadro</translation>
    </message>
    <message>
        <source>%1 frames</source>
        <translation>%1 quadros</translation>
    </message>
    <message>
        <source>Export Action</source>
        <translation>Exportar ação</translation>
    </message>
    <message>
        <source>Animated GIF (*.gif)</source>
        <translation>GIF animado (*.gif)</translation>
    </message>
    <message>
        <source>Sprite sheet (*.png)</source>
        <translation>Folha de sprites (*.png)</translation>
    </message>
    <message>
        <source>the frame&apos;s offset does not read, so it is not moved.</source>
        <translation>o deslocamento do quadro não pode ser lido, então ele não é movido.</translation>
    </message>
    <message>
        <source>Move Sprite</source>
        <translation>Mover sprite</translation>
    </message>
    <message>
        <source>Not changed: %1</source>
        <translation>Não alterado: %1</translation>
    </message>
    <message>
        <source>Warning: %1</source>
        <translation>Aviso: %1</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>the AIR file could not be read.</source>
        <translation>não foi possível ler o arquivo AIR.</translation>
    </message>
    <message>
        <source>Change Box</source>
        <translation>Alterar caixa</translation>
    </message>
    <message>
        <source>Add Box</source>
        <translation>Adicionar caixa</translation>
    </message>
    <message>
        <source>a box is four whole numbers from -32768 to 32767: left, top, right, bottom.</source>
        <translation>uma caixa são quatro números inteiros de -32768 a 32767: esquerda, topo, direita, base.</translation>
    </message>
    <message>
        <source>Delete Box</source>
        <translation>Excluir caixa</translation>
    </message>
    <message>
        <source>Delete All Boxes</source>
        <translation>Excluir todas as caixas</translation>
    </message>
    <message>
        <source>Copy Previous Boxes</source>
        <translation>Copiar caixas anteriores</translation>
    </message>
</context>
<context>
    <name>vantrel::Document</name>
    <message>
        <source>Untitled</source>
        <translation>Sem título</translation>
    </message>
    <message>
        <source>Can&apos;t open file: %1 with error %2</source>
        <translation>Não é possível abrir o arquivo: %1, erro %2</translation>
    </message>
    <message>
        <source>%1 cannot be read again here.</source>
        <translation>%1 não pode ser relido aqui.</translation>
    </message>
    <message>
        <source>Reload %1</source>
        <translation>Recarregar %1</translation>
    </message>
    <message>
        <source>Recovered Changes</source>
        <translation>Alterações recuperadas</translation>
    </message>
    <message>
        <source>%1 is read-only.</source>
        <translation>%1 é somente leitura.</translation>
    </message>
    <message>
        <source>The document has no file to be saved to.</source>
        <translation>O documento não tem um arquivo onde ser salvo.</translation>
    </message>
</context>
<context>
    <name>vantrel::DocumentManager</name>
    <message>
        <source>This kind of file cannot be opened here.</source>
        <translation>Este tipo de arquivo não pode ser aberto aqui.</translation>
    </message>
</context>
<context>
    <name>vantrel::EditorTextBox</name>
    <message>
        <source>Replace Lines</source>
        <translation>Substituir linhas</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Desfazer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Refazer</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Recor&amp;tar</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>C&amp;olar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Selecionar t&amp;udo</translation>
    </message>
</context>
<context>
    <name>vantrel::EngineSettingsBox</name>
    <message>
        <source>Engine</source>
        <translation>Motor</translation>
    </message>
    <message>
        <source>(no profile)</source>
        <translation>(nenhum perfil)</translation>
    </message>
    <message>
        <source>Save as Profile...</source>
        <translation>Salvar como perfil...</translation>
    </message>
    <message>
        <source>Delete Profile</source>
        <translation>Excluir perfil</translation>
    </message>
    <message>
        <source>Found in the working folder: %1</source>
        <translation>Encontrado na pasta de trabalho: %1</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Procurar...</translation>
    </message>
    <message>
        <source>The engine&apos;s own: %1 (IKEMEN GO), %2 (MUGEN)</source>
        <translation>Padrão do motor: %1 (IKEMEN GO), %2 (MUGEN)</translation>
    </message>
    <message>
        <source>%f: the .def opened, as the engine names it (folder/file.def), %2: the second player, %c: the character&apos;s folder name, %d: the .def&apos;s full path, %s: the stage, %a: the AI level, %%: a single %.
Quotes keep blanks inside one argument. A stage and an AI level that the arguments do not place follow them as -s and -p2.ai.</source>
        <translation>%f: o .def aberto, como o motor o chama (pasta/arquivo.def), %2: o segundo jogador, %c: o nome da pasta do personagem, %d: o caminho completo do .def, %s: o cenário, %a: o nível da IA, %%: um único %.
As aspas mantêm os espaços dentro de um argumento. Um cenário e um nível de IA que os argumentos não posicionam são acrescentados depois deles como -s e -p2.ai.</translation>
    </message>
    <message>
        <source>Two folders above the character&apos;s folder</source>
        <translation>Duas pastas acima da pasta do personagem</translation>
    </message>
    <message>
        <source>The same character</source>
        <translation>O mesmo personagem</translation>
    </message>
    <message>
        <source>The engine&apos;s choice</source>
        <translation>Escolha do motor</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desligado</translation>
    </message>
    <message>
        <source>The second player&apos;s AI level; Off leaves it to the engine</source>
        <translation>O nível da IA do segundo jogador; Desligado deixa a cargo do motor</translation>
    </message>
    <message>
        <source>Save all changes before running, without asking</source>
        <translation>Salvar todas as alterações antes de executar, sem perguntar</translation>
    </message>
    <message>
        <source>Run profile:</source>
        <translation>Perfil de execução:</translation>
    </message>
    <message>
        <source>Program:</source>
        <translation>Programa:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Argumentos:</translation>
    </message>
    <message>
        <source>Working folder:</source>
        <translation>Pasta de trabalho:</translation>
    </message>
    <message>
        <source>Second player:</source>
        <translation>Segundo jogador:</translation>
    </message>
    <message>
        <source>Stage:</source>
        <translation>Cenário:</translation>
    </message>
    <message>
        <source>AI level:</source>
        <translation>Nível da IA:</translation>
    </message>
    <message>
        <source>Save as Profile</source>
        <translation>Salvar como perfil</translation>
    </message>
    <message>
        <source>Profile name:</source>
        <translation>Nome do perfil:</translation>
    </message>
    <message>
        <source>A profile name cannot be empty or hold a |.</source>
        <translation>O nome do perfil não pode ficar vazio nem conter |.</translation>
    </message>
    <message>
        <source>Vantrel keeps at most %1 run profiles: delete one first.</source>
        <translation>O Vantrel guarda no máximo %1 perfis de execução: exclua um antes.</translation>
    </message>
    <message>
        <source>Choose the engine program</source>
        <translation>Escolha o programa do motor</translation>
    </message>
    <message>
        <source>All Files(*.*)</source>
        <translation>Todos os arquivos (*.*)</translation>
    </message>
    <message>
        <source>Choose the engine&apos;s working folder</source>
        <translation>Escolha a pasta de trabalho do motor</translation>
    </message>
</context>
<context>
    <name>vantrel::FindDialog</name>
    <message>
        <source>Find</source>
        <translation>Localizar</translation>
    </message>
    <message>
        <source>Fi&amp;nd:</source>
        <translation>Locali&amp;zar:</translation>
    </message>
    <message>
        <source>Replace with:</source>
        <translation>Substituir por:</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>&amp;Localizar</translation>
    </message>
    <message>
        <source>Replace &gt;&gt;</source>
        <translation>Substituir &gt;&gt;</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Match &amp;Case</source>
        <translation>&amp;Diferenciar maiúsculas/minúsculas</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Direção</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation>A&amp;baixo</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>A&amp;cima</translation>
    </message>
    <message>
        <source>Cannot find &quot;%1&quot;</source>
        <translation>Não foi possível encontrar &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Substituir</translation>
    </message>
</context>
<context>
    <name>vantrel::FramePanel</name>
    <message>
        <source>Insert</source>
        <translation>Inserir</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplicar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Descer</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Colar</translation>
    </message>
    <message>
        <source>Loop Start</source>
        <translation>Início do loop</translation>
    </message>
    <message>
        <source>Interpolate: %1</source>
        <translation>Interpolar: %1</translation>
    </message>
    <message>
        <source>%1 cannot be done here: the lines around the frame belong to others.</source>
        <translation>%1 não pode ser feito aqui: as linhas em volta do quadro pertencem a outros.</translation>
    </message>
    <message>
        <source>Insert Frame</source>
        <translation>Inserir quadro</translation>
    </message>
    <message>
        <source>Duplicate Frame</source>
        <translation>Duplicar quadro</translation>
    </message>
    <message>
        <source>Delete Frame</source>
        <translation>Excluir quadro</translation>
    </message>
    <message>
        <source>Move Frame Up</source>
        <translation>Mover quadro para cima</translation>
    </message>
    <message>
        <source>Move Frame Down</source>
        <translation>Mover quadro para baixo</translation>
    </message>
    <message>
        <source>The clipboard holds no frames to paste.</source>
        <translation>A área de transferência não contém quadros para colar.</translation>
    </message>
    <message>
        <source>Paste Frames</source>
        <translation>Colar quadros</translation>
    </message>
    <message>
        <source>Clear Loop Start</source>
        <translation>Remover início do loop</translation>
    </message>
    <message>
        <source>Set Loop Start</source>
        <translation>Definir início do loop</translation>
    </message>
    <message>
        <source>%1 cannot be &quot;%2&quot;.</source>
        <translation>%1 não pode ser &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>Change %1</source>
        <translation>Alterar %1</translation>
    </message>
</context>
<context>
    <name>vantrel::HelpViewer</name>
    <message>
        <source>Vantrel Help</source>
        <translation>Ajuda do Vantrel</translation>
    </message>
    <message>
        <source>The help file %1 cannot be read.</source>
        <translation>O arquivo de ajuda %1 não pode ser lido.</translation>
    </message>
    <message>
        <source>There is no help topic number %1 in %2.</source>
        <translation>Não há tópico de ajuda número %1 em %2.</translation>
    </message>
</context>
<context>
    <name>vantrel::HistoryActions</name>
    <message>
        <source>Undo</source>
        <translation>Desfazer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Refazer</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Desfazer %1</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Refazer %1</translation>
    </message>
</context>
<context>
    <name>vantrel::MainWindow</name>
    <message>
        <source>No file loaded</source>
        <translation>Nenhum arquivo carregado</translation>
    </message>
    <message>
        <source>Status: OK</source>
        <translation>Status: OK</translation>
    </message>
    <message>
        <source>%1 was changed on disk and read again.</source>
        <translation>%1 foi alterado no disco e lido novamente.</translation>
    </message>
    <message>
        <source>%1 changed on disk.</source>
        <translation>%1 foi alterado no disco.</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>End the engine</source>
        <translation>Encerrar o motor</translation>
    </message>
    <message>
        <source>%1 running</source>
        <translation>%1 em execução</translation>
    </message>
    <message numerus="yes">
        <source>The %n open windows do not fit in the frame at their smallest sizes. Show them as tabs instead?</source>
        <translation>
            <numerusform>As %n janelas abertas não cabem na área nos seus tamanhos mínimos. Mostrá-las como abas?</numerusform>
            <numerusform>As %n janelas abertas não cabem na área nos seus tamanhos mínimos. Mostrá-las como abas?</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;Open DEF file...</source>
        <translation>&amp;Abrir arquivo DEF...</translation>
    </message>
    <message>
        <source>Save A&amp;ll</source>
        <translation>Salvar &amp;tudo</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sai&amp;r</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Ferramentas</translation>
    </message>
    <message>
        <source>&amp;Check Character</source>
        <translation>&amp;Verificar personagem</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Conteúdo</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Sobre</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>&amp;Janela</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>&amp;Cascata</translation>
    </message>
    <message>
        <source>&amp;Tile</source>
        <translation>&amp;Lado a lado</translation>
    </message>
    <message>
        <source>Close &amp;All</source>
        <translation>Fechar &amp;todas</translation>
    </message>
    <message>
        <source>Show Windows as Ta&amp;bs</source>
        <translation>Mostrar janelas como a&amp;bas</translation>
    </message>
    <message>
        <source>&amp;%1 %2</source>
        <extracomment>An entry of the Window menu: its number, then the window&apos;s title.</extracomment>
        <translation>&amp;%1 %2</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barra de ferramentas</translation>
    </message>
    <message>
        <source>Find a DEF file</source>
        <translation>Procurar um arquivo DEF</translation>
    </message>
    <message>
        <source>Character definition file (*.def)</source>
        <translation>Arquivo de definição de personagem (*.def)</translation>
    </message>
    <message>
        <source>All Files(*.*)</source>
        <translation>Todos os arquivos (*.*)</translation>
    </message>
</context>
<context>
    <name>vantrel::NotepadWindow</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Novo</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nova</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Save File...</source>
        <translation>Salvar arquivo...</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Arquivos de texto (*.txt)</translation>
    </message>
    <message>
        <source>All files (*.*)</source>
        <translation>Todos os arquivos (*.*)</translation>
    </message>
    <message>
        <source>Changes have been made!  Save first?</source>
        <translation>Há alterações!  Salvar antes?</translation>
    </message>
    <message>
        <source>Notepad</source>
        <translation>Bloco de notas</translation>
    </message>
    <message>
        <source>Text Files (*.txt)</source>
        <translation>Arquivos de texto (*.txt)</translation>
    </message>
    <message>
        <source>All Files(*.*)</source>
        <translation>Todos os arquivos (*.*)</translation>
    </message>
    <message>
        <source>Open file</source>
        <translation>Abrir arquivo</translation>
    </message>
</context>
<context>
    <name>vantrel::PaletteDocument</name>
    <message>
        <source>%1 is not a palette: an ACT file holds 768 bytes.</source>
        <translation>%1 não é uma paleta: um arquivo ACT contém 768 bytes.</translation>
    </message>
    <message>
        <source>The palette has changed. Save it before it is dropped?</source>
        <translation>A paleta foi alterada. Salvá-la antes de descartá-la?</translation>
    </message>
</context>
<context>
    <name>vantrel::PaletteWindow</name>
    <message>
        <source>ACT Editor</source>
        <translation>Editor de ACT</translation>
    </message>
    <message>
        <source>R G B</source>
        <translation>R G B</translation>
    </message>
    <message>
        <source>ACT palette %1</source>
        <translation>Paleta ACT %1</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Save the palette</source>
        <translation>Salvar a paleta</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Salvar como</translation>
    </message>
    <message>
        <source>Import PAL</source>
        <translation>Importar PAL</translation>
    </message>
    <message>
        <source>Import a JASC PAL file</source>
        <translation>Importar um arquivo JASC PAL</translation>
    </message>
    <message>
        <source>Export PAL</source>
        <translation>Exportar PAL</translation>
    </message>
    <message>
        <source>Save a JASC PAL file</source>
        <translation>Salvar um arquivo JASC PAL</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Amostra</translation>
    </message>
    <message>
        <source>Load PCX for sample image</source>
        <translation>Carregar PCX como imagem de amostra</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Desfazer</translation>
    </message>
    <message>
        <source>Undo last palette change</source>
        <translation>Desfazer a última alteração da paleta</translation>
    </message>
    <message>
        <source>Find a DEF file</source>
        <translation>Procurar um arquivo DEF</translation>
    </message>
    <message>
        <source>Character image file (*.pcx)</source>
        <translation>Arquivo de imagem do personagem (*.pcx)</translation>
    </message>
    <message>
        <source>The sample is a 32-bit picture: palettes do not change it.</source>
        <translation>A amostra é uma imagem de 32 bits: as paletas não a alteram.</translation>
    </message>
    <message>
        <source>Choose Colour</source>
        <translation>Escolher cor</translation>
    </message>
    <message>
        <source>Change Red</source>
        <translation>Alterar vermelho</translation>
    </message>
    <message>
        <source>Change Green</source>
        <translation>Alterar verde</translation>
    </message>
    <message>
        <source>Change Blue</source>
        <translation>Alterar azul</translation>
    </message>
    <message>
        <source>Save ACT file</source>
        <translation>Salvar arquivo ACT</translation>
    </message>
    <message>
        <source>Import PAL file</source>
        <translation>Importar arquivo PAL</translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation>o arquivo não pode ser lido</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Open one of the character&apos;s palettes to import a palette into.</source>
        <translation>Abra uma das paletas do personagem para importar uma paleta nela.</translation>
    </message>
    <message>
        <source>Import ACT</source>
        <translation>Importar ACT</translation>
    </message>
    <message>
        <source>Export PAL file</source>
        <translation>Exportar arquivo PAL</translation>
    </message>
</context>
<context>
    <name>vantrel::PcxBrowser</name>
    <message>
        <source>PCX Browser</source>
        <translation>Navegador de PCX</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Adicionar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Selected PCX</source>
        <translation>PCX selecionado</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>A pasta %1 não existe.</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation>%1 não é uma pasta.</translation>
    </message>
    <message>
        <source>Permission denied: %1</source>
        <translation>Permissão negada: %1</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <translation>Erro: %1</translation>
    </message>
</context>
<context>
    <name>vantrel::ProblemsWindow</name>
    <message>
        <source>No problems found</source>
        <translation>Nenhum problema encontrado</translation>
    </message>
    <message>
        <source>%1 error</source>
        <translation>%1 erro</translation>
    </message>
    <message>
        <source>%1 errors</source>
        <translation>%1 erros</translation>
    </message>
    <message>
        <source>%1 warning</source>
        <translation>%1 aviso</translation>
    </message>
    <message>
        <source>%1 warnings</source>
        <translation>%1 avisos</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>the count of errors, then the count of warnings (&quot;2 errors, 1 warning&quot;)</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Atualizar</translation>
    </message>
    <message>
        <source>Problems</source>
        <translation>Problemas</translation>
    </message>
    <message>
        <source>No character is open</source>
        <translation>Nenhum personagem aberto</translation>
    </message>
    <message>
        <source>Checking...</source>
        <translation>Verificando...</translation>
    </message>
    <message>
        <source>error</source>
        <translation>erro</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>aviso</translation>
    </message>
    <message>
        <source>note</source>
        <translation>nota</translation>
    </message>
    <message>
        <source>%1: %2: %3</source>
        <extracomment>A problem the checker found: its file and line, &quot;error&quot; or &quot;warning&quot;, and what is wrong.</extracomment>
        <translation>%1: %2: %3</translation>
    </message>
</context>
<context>
    <name>vantrel::ReferencesWindow</name>
    <message>
        <source>state %1</source>
        <translation>estado %1</translation>
    </message>
    <message>
        <source>action %1</source>
        <translation>ação %1</translation>
    </message>
    <message>
        <source>command &quot;%1&quot;</source>
        <translation>comando &quot;%1&quot;</translation>
    </message>
    <message>
        <source>sound %1</source>
        <translation>som %1</translation>
    </message>
    <message>
        <source>sprite %1</source>
        <translation>sprite %1</translation>
    </message>
    <message>
        <source>References</source>
        <translation>Referências</translation>
    </message>
    <message>
        <source>Shift+F12 on a state, action or command lists where it is named.</source>
        <translation>Shift+F12 sobre um estado, ação ou comando lista onde ele é citado.</translation>
    </message>
    <message>
        <source>Double-click a place, or press Enter, to go there</source>
        <translation>Clique duas vezes em um local, ou pressione Enter, para ir até ele</translation>
    </message>
    <message>
        <source>(definition)</source>
        <translation>(definição)</translation>
    </message>
    <message>
        <source>1 place names %1.</source>
        <translation>1 local cita %1.</translation>
    </message>
    <message>
        <source>%1 places name %2.</source>
        <translation>%1 locais citam %2.</translation>
    </message>
</context>
<context>
    <name>vantrel::SettingsDialog</name>
    <message>
        <source>Configuration</source>
        <translation>Configuração</translation>
    </message>
    <message>
        <source>Program configuration</source>
        <translation>Configuração do programa</translation>
    </message>
    <message>
        <source>Default text editing settings:</source>
        <translation>Configurações padrão de edição de texto:</translation>
    </message>
    <message>
        <source>Set font</source>
        <translation>Definir fonte</translation>
    </message>
    <message>
        <source>Fore colour</source>
        <translation>Cor do texto</translation>
    </message>
    <message>
        <source>Back colour</source>
        <translation>Cor de fundo</translation>
    </message>
    <message>
        <source>Show Tip of the Day</source>
        <translation>Mostrar a Dica do dia</translation>
    </message>
    <message>
        <source>Language (from the next start):</source>
        <translation>Idioma (a partir da próxima inicialização):</translation>
    </message>
    <message>
        <source>System language</source>
        <translation>Idioma do sistema</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>vantrel::SffBuilder</name>
    <message>
        <source>The SFF file is still being built.</source>
        <translation>O arquivo SFF ainda está sendo gerado.</translation>
    </message>
    <message>
        <source>There are no sprites to build an SFF file from.</source>
        <translation>Não há sprites para gerar um arquivo SFF.</translation>
    </message>
    <message>
        <source>Save SFF file</source>
        <translation>Salvar arquivo SFF</translation>
    </message>
    <message>
        <source>Character Spritesheet (*.sff)</source>
        <translation>Folha de sprites do personagem (*.sff)</translation>
    </message>
    <message>
        <source>Status: Building SFF file</source>
        <translation>Status: gerando o arquivo SFF</translation>
    </message>
    <message>
        <source>Building the SFF file</source>
        <translation>Gerando o arquivo SFF</translation>
    </message>
    <message>
        <source>Status: OK</source>
        <translation>Status: OK</translation>
    </message>
</context>
<context>
    <name>vantrel::SoundAboutDialog</name>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Versão %1.%2.%3</translation>
    </message>
</context>
<context>
    <name>vantrel::SoundWindow</name>
    <message>
        <source> Sample Info </source>
        <translation> Informações da amostra </translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Grupo</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Amostra</translation>
    </message>
    <message>
        <source>Length:</source>
        <translation>Tamanho:</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Formato:</translation>
    </message>
    <message>
        <source>Loop sound</source>
        <translation>Repetir som</translation>
    </message>
    <message>
        <source>Activate sample looping</source>
        <translation>Ativar a repetição da amostra</translation>
    </message>
    <message>
        <source> Comment </source>
        <translation> Comentário </translation>
    </message>
    <message>
        <source>No sound output was found on this system: sounds cannot be played.</source>
        <translation>Nenhuma saída de som foi encontrada neste sistema: não é possível tocar sons.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salvar</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Salvar &amp;como...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sai&amp;r</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Add sound...</source>
        <translation>Adicionar som...</translation>
    </message>
    <message>
        <source>Delete sound</source>
        <translation>Excluir som</translation>
    </message>
    <message>
        <source>Save current sample...</source>
        <translation>Salvar amostra atual...</translation>
    </message>
    <message>
        <source>Save all samples...</source>
        <translation>Salvar todas as amostras...</translation>
    </message>
    <message>
        <source>Play current sample</source>
        <translation>Tocar amostra atual</translation>
    </message>
    <message>
        <source>Stop playing</source>
        <translation>Parar reprodução</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Salvar como</translation>
    </message>
    <message>
        <source>Add sound</source>
        <translation>Adicionar som</translation>
    </message>
    <message>
        <source>Adding sounds</source>
        <translation>Adicionando sons</translation>
    </message>
    <message>
        <source>Save current sample</source>
        <translation>Salvar amostra atual</translation>
    </message>
    <message>
        <source>Save all samples</source>
        <translation>Salvar todas as amostras</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>Tocando</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Save as...</source>
        <translation>Salvar como...</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Adicionar</translation>
    </message>
    <message>
        <source>Add sample</source>
        <translation>Adicionar amostra</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Delete sample</source>
        <translation>Excluir amostra</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Export All</source>
        <translation>Exportar tudo</translation>
    </message>
    <message>
        <source>About this program</source>
        <translation>Sobre este programa</translation>
    </message>
</context>
<context>
    <name>vantrel::SplashScreen</name>
    <message>
        <source>Whoa, buddy, one instance at a time!  You don&apos;t want
Vantrel to become a multiperson disturb program!</source>
        <translation>Calma, amigo, uma instância de cada vez!  Você não quer que o
Vantrel vire um programa de perturbação coletiva!</translation>
    </message>
    <message>
        <source>Character editor for the MUGEN engine</source>
        <translation>Editor de personagens para o motor MUGEN</translation>
    </message>
    <message>
        <source>Written by the Vantrel developers for character makers everywhere</source>
        <translation>Escrito pelos desenvolvedores do Vantrel para criadores de personagens de todo o mundo</translation>
    </message>
</context>
<context>
    <name>vantrel::SpriteDocument</name>
    <message>
        <source>Edit Picture Externally</source>
        <translation>Editar imagem externamente</translation>
    </message>
    <message>
        <source>The SFF file %1 was written with %2 sprites%3.</source>
        <extracomment>%3 is empty or what the build tool reports, as &quot; (240 pictures copied, 1 encoded)&quot;</extracomment>
        <translation>O arquivo SFF %1 foi gravado com %2 sprites%3.</translation>
    </message>
    <message>
        <source>The SFF file was not written: the build was cancelled.</source>
        <translation>O arquivo SFF não foi gravado: a geração foi cancelada.</translation>
    </message>
    <message>
        <source>The SFF file was not written: %1</source>
        <translation>O arquivo SFF não foi gravado: %1</translation>
    </message>
    <message>
        <source>sprmaker ended with code %1.</source>
        <translation>O sprmaker terminou com o código %1.</translation>
    </message>
</context>
<context>
    <name>vantrel::SpriteTableModel</name>
    <message>
        <source>%1
Axis %2,%3</source>
        <extracomment>a sprite&apos;s picture file, then its axis as x,y</extracomment>
        <translation>%1
Eixo %2,%3</translation>
    </message>
</context>
<context>
    <name>vantrel::SpriteWindow</name>
    <message>
        <source>SFF Editor</source>
        <translation>Editor de SFF</translation>
    </message>
    <message>
        <source>Status: OK</source>
        <translation>Status: OK</translation>
    </message>
    <message>
        <source>Status: Finding Palette</source>
        <translation>Status: procurando a paleta</translation>
    </message>
    <message>
        <source>1 of%1</source>
        <extracomment>the sprite shown of how many, as &quot;1 of 281&quot;</extracomment>
        <translation>1 de%1</translation>
    </message>
    <message>
        <source>%1 of%2 </source>
        <extracomment>the sprite shown of how many, as &quot; 3 of 281 &quot;</extracomment>
        <translation>%1 de%2 </translation>
    </message>
    <message>
        <source>Group Number</source>
        <translation>Número do grupo</translation>
    </message>
    <message>
        <source>Image Number</source>
        <translation>Número da imagem</translation>
    </message>
    <message>
        <source>Sprite %1,%2 is taken: sprite %3 (%4) has that number.</source>
        <translation>O sprite %1,%2 já está em uso: o sprite %3 (%4) tem esse número.</translation>
    </message>
    <message>
        <source>Axis X</source>
        <translation>Eixo X</translation>
    </message>
    <message>
        <source>Axis Y</source>
        <translation>Eixo Y</translation>
    </message>
    <message>
        <source>Move Axis</source>
        <translation>Mover eixo</translation>
    </message>
    <message>
        <source>No match found for Group%1 image%2</source>
        <translation>Nenhuma correspondência para o grupo%1 imagem%2</translation>
    </message>
    <message>
        <source>the selected sprite</source>
        <translation>o sprite selecionado</translation>
    </message>
    <message>
        <source>the %1 selected sprites</source>
        <translation>os %1 sprites selecionados</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Lista</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Grade</translation>
    </message>
    <message>
        <source>Selection</source>
        <translation>Seleção</translation>
    </message>
    <message>
        <source>Set Axis...</source>
        <translation>Definir eixo...</translation>
    </message>
    <message>
        <source>Move to Group...</source>
        <translation>Mover para o grupo...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Export as PNG...</source>
        <translation>Exportar como PNG...</translation>
    </message>
    <message>
        <source>Crop to Content</source>
        <translation>Cortar ao conteúdo</translation>
    </message>
    <message>
        <source>Use the Character&apos;s Palette</source>
        <translation>Usar a paleta do personagem</translation>
    </message>
    <message>
        <source>Import Sprite Sheet...</source>
        <translation>Importar folha de sprites...</translation>
    </message>
    <message>
        <source>What to do with the selected sprites</source>
        <translation>O que fazer com os sprites selecionados</translation>
    </message>
    <message>
        <source>Set the axis of %1, or move it?</source>
        <translation>Definir o eixo de %1, ou movê-lo?</translation>
    </message>
    <message>
        <source>Set to x,y</source>
        <translation>Definir em x,y</translation>
    </message>
    <message>
        <source>Move by x,y</source>
        <translation>Mover em x,y</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Set Axis</source>
        <translation>Definir eixo</translation>
    </message>
    <message>
        <source>The axis (x,y):</source>
        <translation>O eixo (x,y):</translation>
    </message>
    <message>
        <source>Move the axis by (x,y):</source>
        <translation>Mover o eixo em (x,y):</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not two numbers, as x,y.</source>
        <translation>&quot;%1&quot; não são dois números, no formato x,y.</translation>
    </message>
    <message>
        <source>The selected sprites have that axis already.</source>
        <translation>Os sprites selecionados já têm esse eixo.</translation>
    </message>
    <message>
        <source>Move to Group</source>
        <translation>Mover para o grupo</translation>
    </message>
    <message>
        <source>Move %1 to group:
(Each keeps its image number unless the group has it already; then it takes the group&apos;s next free number.)</source>
        <translation>Mover %1 para o grupo:
(Cada um mantém seu número de imagem, a menos que o grupo já o tenha; nesse caso, recebe o próximo número livre do grupo.)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a group number.</source>
        <translation>&quot;%1&quot; não é um número de grupo.</translation>
    </message>
    <message>
        <source>The selected sprites are in that group already.</source>
        <translation>Os sprites selecionados já estão nesse grupo.</translation>
    </message>
    <message>
        <source>Delete %1?</source>
        <translation>Excluir %1?</translation>
    </message>
    <message>
        <source>Delete sprites</source>
        <translation>Excluir sprites</translation>
    </message>
    <message>
        <source>Delete Sprite</source>
        <translation>Excluir sprite</translation>
    </message>
    <message>
        <source>Delete Sprites</source>
        <translation>Excluir sprites</translation>
    </message>
    <message>
        <source>Save the selected pictures to:</source>
        <translation>Salvar as imagens selecionadas em:</translation>
    </message>
    <message>
        <source>The selected pictures have no transparent border to remove.</source>
        <translation>As imagens selecionadas não têm borda transparente para remover.</translation>
    </message>
    <message>
        <source>the sprites&apos; shared palette</source>
        <translation>a paleta compartilhada dos sprites</translation>
    </message>
    <message>
        <source>The character has no palette to use: its definition names no palette file, and no sprite has a palette of its own.</source>
        <translation>O personagem não tem paleta para usar: a definição dele não indica nenhum arquivo de paleta, e nenhum sprite tem paleta própria.</translation>
    </message>
    <message>
        <source>The selected pictures have the colours of %1 already.</source>
        <translation>As imagens selecionadas já têm as cores de %1.</translation>
    </message>
    <message>
        <source>Remapped to the colours of %1.</source>
        <translation>Cores remapeadas para as de %1.</translation>
    </message>
    <message>
        <source>Import a sprite sheet</source>
        <translation>Importar uma folha de sprites</translation>
    </message>
    <message>
        <source>PNG (*.png)</source>
        <translation>PNG (*.png)</translation>
    </message>
    <message>
        <source>Import Sprite Sheet</source>
        <translation>Importar folha de sprites</translation>
    </message>
    <message>
        <source>The sheet is %1 x %2 pixels. Its frames, as width,height in pixels, or as columns x rows (as 8x2):</source>
        <translation>A folha tem %1 x %2 pixels. Os quadros dela, como largura,altura em pixels, ou como colunas x linhas (como 8x2):</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names no frames: write 64,80 or 8x2.</source>
        <translation>&quot;%1&quot; não indica quadros: escreva 64,80 ou 8x2.</translation>
    </message>
    <message>
        <source>The new sprites&apos; group and first image number (group,number):</source>
        <translation>O grupo e o primeiro número de imagem dos novos sprites (grupo,número):</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a group and an image number.</source>
        <translation>&quot;%1&quot; não é um grupo e um número de imagem.</translation>
    </message>
    <message>
        <source>Where is each frame&apos;s axis?</source>
        <translation>Onde fica o eixo de cada quadro?</translation>
    </message>
    <message>
        <source>Bottom centre</source>
        <translation>Embaixo no centro</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>Centro</translation>
    </message>
    <message>
        <source>Top left</source>
        <translation>Em cima à esquerda</translation>
    </message>
    <message>
        <source>ZSoft PCX (*.pcx)</source>
        <translation>ZSoft PCX (*.pcx)</translation>
    </message>
    <message>
        <source>Pictures (*.pcx *.png)</source>
        <translation>Imagens (*.pcx *.png)</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Save SFF file</source>
        <translation>Salvar arquivo SFF</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Salvar como</translation>
    </message>
    <message>
        <source>Save the sprites as another SFF file, choosing the build options</source>
        <translation>Salvar os sprites como outro arquivo SFF, escolhendo as opções de geração</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>Ordenar</translation>
    </message>
    <message>
        <source>Sort images</source>
        <translation>Ordenar imagens</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Adicionar</translation>
    </message>
    <message>
        <source>Add a PCX or PNG after this image</source>
        <translation>Adicionar um PCX ou PNG depois desta imagem</translation>
    </message>
    <message>
        <source>Delete this image</source>
        <translation>Excluir esta imagem</translation>
    </message>
    <message>
        <source>Clone</source>
        <translation>Clonar</translation>
    </message>
    <message>
        <source>Clone image to end</source>
        <translation>Clonar a imagem no final</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Trocar</translation>
    </message>
    <message>
        <source>Change this image</source>
        <translation>Trocar esta imagem</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Navegador</translation>
    </message>
    <message>
        <source>Browse for PCX&apos;s with thumbnails</source>
        <translation>Procurar PCX com miniaturas</translation>
    </message>
    <message>
        <source>ZoomIn</source>
        <translation>Ampliar</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Ampliar</translation>
    </message>
    <message>
        <source>ZoomOut</source>
        <translation>Reduzir</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Reduzir</translation>
    </message>
    <message>
        <source>ShellEdit</source>
        <translation>Editar externo</translation>
    </message>
    <message>
        <source>Send to shell with &quot;Edit&quot; command</source>
        <translation>Enviar ao sistema com o comando &quot;Edit&quot;</translation>
    </message>
    <message>
        <source>SaveOne</source>
        <translation>Salvar uma</translation>
    </message>
    <message>
        <source>Save this picture as PCX or PNG...</source>
        <translation>Salvar esta imagem como PCX ou PNG...</translation>
    </message>
    <message>
        <source>SaveAll</source>
        <translation>Salvar todas</translation>
    </message>
    <message>
        <source>Save all pictures...</source>
        <translation>Salvar todas as imagens...</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Desfazer</translation>
    </message>
    <message>
        <source>Sprites</source>
        <translation>Sprites</translation>
    </message>
    <message>
        <source>%1 is a 32-bit picture. This character&apos;s sprites are built as SFF v1, which holds 8-bit pictures only (256 colours from a palette). Build them as SFF v2 from now on, so that it can go in?</source>
        <translation>%1 é uma imagem de 32 bits. Os sprites deste personagem são gerados como SFF v1, que comporta apenas imagens de 8 bits (256 cores de uma paleta). Gerá-los como SFF v2 daqui em diante, para que ela possa entrar?</translation>
    </message>
    <message>
        <source>Add Sprite</source>
        <translation>Adicionar sprite</translation>
    </message>
    <message>
        <source>Add a PCX or PNG picture</source>
        <translation>Adicionar uma imagem PCX ou PNG</translation>
    </message>
    <message>
        <source>Adding pictures</source>
        <translation>Adicionando imagens</translation>
    </message>
    <message>
        <source>Add Sprites</source>
        <translation>Adicionar sprites</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>Tem certeza?</translation>
    </message>
    <message>
        <source>Delete current image</source>
        <translation>Excluir a imagem atual</translation>
    </message>
    <message>
        <source>Change Picture</source>
        <translation>Trocar imagem</translation>
    </message>
    <message>
        <source>Save single frame</source>
        <translation>Salvar quadro único</translation>
    </message>
    <message>
        <source>Make colour 0 transparent in the PNG file?</source>
        <translation>Tornar a cor 0 transparente no arquivo PNG?</translation>
    </message>
    <message>
        <source>Save all files to:</source>
        <translation>Salvar todos os arquivos em:</translation>
    </message>
    <message>
        <source>Save all files</source>
        <translation>Salvar todos os arquivos</translation>
    </message>
    <message>
        <source>Save the pictures as PNG files?
(No saves them as they are: PCX files, and PNG files for 32-bit sprites.)</source>
        <translation>Salvar as imagens como arquivos PNG?
(Não salva as imagens como estão: arquivos PCX, e arquivos PNG para sprites de 32 bits.)</translation>
    </message>
    <message>
        <source>Make colour 0 transparent in the PNG files?</source>
        <translation>Tornar a cor 0 transparente nos arquivos PNG?</translation>
    </message>
    <message>
        <source>Saving all pictures</source>
        <translation>Salvando todas as imagens</translation>
    </message>
    <message>
        <source>
(%1 pictures were not saved.)</source>
        <translation>
(%1 imagens não foram salvas.)</translation>
    </message>
    <message>
        <source>Image Data</source>
        <translation>Dados da imagem</translation>
    </message>
    <message>
        <source>X:</source>
        <translation>X:</translation>
    </message>
    <message>
        <source>Y:</source>
        <translation>Y:</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Grupo</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Imagem</translation>
    </message>
    <message>
        <source>Mouse X, Y:</source>
        <translation>Mouse X, Y:</translation>
    </message>
    <message>
        <source>Alignment tools</source>
        <translation>Ferramentas de alinhamento</translation>
    </message>
    <message>
        <source>Onionskin group and image:</source>
        <translation>Grupo e imagem da pele de cebola:</translation>
    </message>
    <message>
        <source>Jump to</source>
        <translation>Ir para</translation>
    </message>
    <message>
        <source>Hide transparent sections</source>
        <translation>Ocultar áreas transparentes</translation>
    </message>
    <message>
        <source>White background</source>
        <translation>Fundo branco</translation>
    </message>
    <message>
        <source>Current image</source>
        <translation>Imagem atual</translation>
    </message>
    <message>
        <source>center</source>
        <translation>centralizar</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Desfazer %1</translation>
    </message>
</context>
<context>
    <name>vantrel::StateFileWindow</name>
    <message>
        <source>Not in a state - %1</source>
        <translation>Fora de um estado - %1</translation>
    </message>
    <message>
        <source>State%1 of %2</source>
        <extracomment>%1 is the state&apos;s number, with a space before it or its minus sign</extracomment>
        <translation>Estado%1 de %2</translation>
    </message>
</context>
<context>
    <name>vantrel::StatusProgress</name>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>vantrel::TextDocument</name>
    <message>
        <source>Encoding %1</source>
        <translation>Codificação %1</translation>
    </message>
    <message>
        <source>Can&apos;t open file: %1</source>
        <translation>Não foi possível abrir o arquivo: %1</translation>
    </message>
    <message>
        <source>The character “%1” on line %2 cannot be written in %3.

Save the file as UTF-8 instead?  (No writes “?” in its place.)</source>
        <translation>O caractere “%1” na linha %2 não pode ser gravado em %3.

Salvar o arquivo como UTF-8?  (Com “Não”, grava “?” no lugar dele.)</translation>
    </message>
    <message>
        <source>Recovered Changes</source>
        <translation>Alterações recuperadas</translation>
    </message>
</context>
<context>
    <name>vantrel::TextEditorWindow</name>
    <message>
        <source>Encoding of the file</source>
        <translation>Codificação do arquivo</translation>
    </message>
    <message>
        <source>error: %1</source>
        <translation>erro: %1</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>aviso: %1</translation>
    </message>
    <message>
        <source>Click a place to go there</source>
        <translation>Clique em um local para ir até ele</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salvar</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Salvar &amp;como...</translation>
    </message>
    <message>
        <source>&amp;Revert</source>
        <translation>&amp;Reverter</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimir...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Desfazer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Refazer</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Recor&amp;tar</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>C&amp;olar</translation>
    </message>
    <message>
        <source>De&amp;lete</source>
        <translation>E&amp;xcluir</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>&amp;Localizar</translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation>Localizar &amp;próxima</translation>
    </message>
    <message>
        <source>R&amp;eplace...</source>
        <translation>&amp;Substituir...</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Selecionar t&amp;udo</translation>
    </message>
    <message>
        <source>&amp;Go to Line...</source>
        <translation>&amp;Ir para a linha...</translation>
    </message>
    <message>
        <source>Go to &amp;Definition</source>
        <translation>Ir para a de&amp;finição</translation>
    </message>
    <message>
        <source>Find &amp;References</source>
        <translation>Localizar &amp;referências</translation>
    </message>
    <message>
        <source>Time/Date</source>
        <translation>Hora/Data</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>&amp;Janela</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>&amp;Cascata</translation>
    </message>
    <message>
        <source>Tile &amp;Horizontally</source>
        <translation>Lado a lado &amp;horizontalmente</translation>
    </message>
    <message>
        <source>Tile &amp;Vertically</source>
        <translation>Lado a lado &amp;verticalmente</translation>
    </message>
    <message>
        <source>&amp;Arrange Icons</source>
        <translation>&amp;Organizar ícones</translation>
    </message>
    <message>
        <source>C&amp;lose All</source>
        <translation>Fechar &amp;todas</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Conteúdo</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barra de ferramentas</translation>
    </message>
    <message>
        <source>Go to Line</source>
        <translation>Ir para a linha</translation>
    </message>
    <message>
        <source>Line number (1 to %1):</source>
        <translation>Número da linha (1 a %1):</translation>
    </message>
    <message>
        <source>There is no line %1: the lines go from 1 to %2.</source>
        <translation>Não existe a linha %1: as linhas vão de 1 a %2.</translation>
    </message>
    <message>
        <source>The character has no %1.</source>
        <translation>O personagem não tem %1.</translation>
    </message>
    <message>
        <source>%1 is not defined in the character&apos;s files.</source>
        <translation>%1 não está definido nos arquivos do personagem.</translation>
    </message>
    <message>
        <source>Cannot find &quot;%1&quot;</source>
        <translation>Não foi possível encontrar &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Reading the file again as %1 drops your unsaved changes.  Go on?</source>
        <translation>Ler o arquivo de novo como %1 descarta suas alterações não salvas.  Continuar?</translation>
    </message>
    <message>
        <source>Edit</source>
        <comment>an undo step</comment>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Save File...</source>
        <translation>Salvar arquivo...</translation>
    </message>
    <message>
        <source>All files (*.*)</source>
        <translation>Todos os arquivos (*.*)</translation>
    </message>
</context>
<context>
    <name>vantrel::TipDialog</name>
    <message>
        <source>Tip of the Day</source>
        <translation>Dica do dia</translation>
    </message>
    <message>
        <source>Tip of the day</source>
        <translation>Dica do dia</translation>
    </message>
    <message>
        <source>Tips at startup</source>
        <translation>Dicas ao iniciar</translation>
    </message>
    <message>
        <source>Next &gt;&gt;</source>
        <translation>Próxima &gt;&gt;</translation>
    </message>
    <message>
        <source>&lt;&lt; Prev</source>
        <translation>&lt;&lt; Anterior</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
