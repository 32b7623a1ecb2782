<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="it_IT">
<context>
    <name>BatchMessages</name>
    <message>
        <source>Nuova Bolla N:</source>
        <translation>Nova guia N.º:</translation>
    </message>
    <message>
        <source>Modifica Bolla N:</source>
        <translation>Modificar guia N.º:</translation>
    </message>
    <message>
        <source>Archivio Programmi Vuoto, Rilavorazione impossibile.</source>
        <translation>Arquivo de programas vazio, reprocessamento impossível.</translation>
    </message>
    <message>
        <source>Caricamento Programma </source>
        <translation>Carregamento do programa </translation>
    </message>
    <message>
        <source>Programma dell archivio INESISTENTE, selezionarne uno dalla lista.</source>
        <translation>O programa NÃO EXISTE no arquivo, selecione um da lista.</translation>
    </message>
    <message>
        <source>Numero Programmi</source>
        <translation>Número de programas</translation>
    </message>
    <message>
        <source>Il campo %1 non contiene un numero intero: &quot;%2&quot;. La bolla non è stata salvata.</source>
        <translation>O campo %1 não contém um número inteiro: &quot;%2&quot;. A guia não foi guardada.</translation>
    </message>
    <message>
        <source>Il codice produttore deve essere un numero intero: &quot;%1&quot;.</source>
        <translation>O código do produtor deve ser um número inteiro: &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Uso: kv7 [-o]
Console della campionatrice KV7; lavora nella cartella corrente (kv2.log, file di lavoro).
  -o           centralina di tipo vecchio (linea a 9600 baud)
  --help       mostra questo aiuto ed esce
  --version    mostra la versione ed esce
Archivio: KV7_DB_HOST, KV7_DB_PORT, KV7_DB_SOCKET, KV7_DB_USER, KV7_DB_PASSWORD, KV7_DB_NAME.
Configurazione: KV7_CONFIG_DIR. Con un archivio privato: kv7-db.
</source>
        <translation>Uso: kv7 [-o]
Consola da amostradora KV7; trabalha na pasta atual (kv2.log, ficheiros de trabalho).
  -o           controlador de tipo antigo (linha a 9600 baud)
  --help       mostra esta ajuda e sai
  --version    mostra a versão e sai
Arquivo: KV7_DB_HOST, KV7_DB_PORT, KV7_DB_SOCKET, KV7_DB_USER, KV7_DB_PASSWORD, KV7_DB_NAME.
Configuração: KV7_CONFIG_DIR. Com um arquivo privado: kv7-db.
</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Il comando %1 non è andato a buon fine</source>
        <translation>O comando %1 falhou</translation>
    </message>
    <message>
        <source>Il comando %1 non ha ricevuto una risposta corretta</source>
        <translation>O comando %1 não recebeu uma resposta correta</translation>
    </message>
    <message>
        <source>Il comando %1 non ha ricevuto una risposta corretta=%2</source>
        <translation>O comando %1 não recebeu uma resposta correta=%2</translation>
    </message>
    <message>
        <source>Il comando %1 non è stato trasmesso correttamente</source>
        <translation>O comando %1 não foi transmitido corretamente</translation>
    </message>
    <message>
        <source>Il comando di versione non ha ricevuto una risposta corretta</source>
        <translation>O comando de versão não recebeu uma resposta correta</translation>
    </message>
    <message>
        <source>Il comando di type non ha ricevuto una risposta corretta</source>
        <translation>O comando de tipo não recebeu uma resposta correta</translation>
    </message>
    <message>
        <source>Il comando di controllo rotazione non è stato trasmesso correttamente</source>
        <translation>O comando de controlo da rotação não foi transmitido corretamente</translation>
    </message>
    <message>
        <source>Il comando di rotazione non ha ricevuto una risposta corretta</source>
        <translation>O comando de rotação não recebeu uma resposta correta</translation>
    </message>
    <message>
        <source>Il comando di Set rotazione non è stato trasmesso correttamente</source>
        <translation>O comando de definição da rotação não foi transmitido corretamente</translation>
    </message>
    <message>
        <source>Il comando di Set rotazione non ha ricevuto una risposta corretta</source>
        <translation>O comando de definição da rotação não recebeu uma resposta correta</translation>
    </message>
    <message>
        <source>Il comando di Set Delay Tara non è stato trasmesso correttamente</source>
        <translation>O comando de definição do atraso de tara não foi transmitido corretamente</translation>
    </message>
    <message>
        <source>Il comando di Set Tipo Magneti non è stato trasmesso correttamente</source>
        <translation>O comando de definição do tipo de ímanes não foi transmitido corretamente</translation>
    </message>
    <message>
        <source>Il comando tara tazza non è andato a buon fine</source>
        <translation>O comando de tara do copo falhou</translation>
    </message>
    <message>
        <source>Il comando di traccia grafica non è stato inviato correttamente</source>
        <translation>O comando de traçado gráfico não foi enviado corretamente</translation>
    </message>
    <message>
        <source>Termina Oscilloscopio non eseguito...</source>
        <translation>Fecho do osciloscópio não executado...</translation>
    </message>
    <message>
        <source>Il comando di controllo tazze vuote non è stato inviato correttamente</source>
        <translation>O comando de controlo de copos vazios não foi enviado corretamente</translation>
    </message>
    <message>
        <source>Il comando di termina tazze vuote non eseguito</source>
        <translation>Comando de fim de copos vazios não executado</translation>
    </message>
    <message>
        <source>Il comando di calibrazione linee non è stato inviato correttamente</source>
        <translation>O comando de calibração das linhas não foi enviado corretamente</translation>
    </message>
    <message>
        <source>Il comando di termina calibrazione linee non è stato inviato correttamente</source>
        <translation>O comando de fim da calibração das linhas não foi enviado corretamente</translation>
    </message>
    <message>
        <source>0 - SCARTI ON</source>
        <translation>0 - REFUGOS ON</translation>
    </message>
    <message>
        <source>1 - attesa scar.</source>
        <translation>1 - espera desc.</translation>
    </message>
    <message>
        <source>2 - SCARICO</source>
        <translation>2 - DESCARGA</translation>
    </message>
    <message>
        <source>3 - ass. tara</source>
        <translation>3 - estab. tara</translation>
    </message>
    <message>
        <source>4 - tara in corso</source>
        <translation>4 - a tarar</translation>
    </message>
    <message>
        <source>5 - att. carico</source>
        <translation>5 - esp. carga</translation>
    </message>
    <message>
        <source>6 - Carico Sing.</source>
        <translation>6 - Carga simples</translation>
    </message>
    <message>
        <source>7 - Ass. e Accum.</source>
        <translation>7 - Estab. e acum.</translation>
    </message>
    <message>
        <source>8 - Doppia Carico</source>
        <translation>8 - Carga dupla</translation>
    </message>
    <message>
        <source>9 - Ass. Accum. Pos.</source>
        <translation>9 - Estab. acum. pos.</translation>
    </message>
    <message>
        <source>? - errore scarti</source>
        <translation>? - erro refugos</translation>
    </message>
    <message>
        <source>0-SCARTI off</source>
        <translation>0-REFUGOS off</translation>
    </message>
    <message>
        <source>errore ciclo on scarti</source>
        <translation>erro ao ativar o ciclo de refugos</translation>
    </message>
    <message>
        <source>Errori Centralina Scarti</source>
        <translation>Erros do controlador de refugos</translation>
    </message>
    <message>
        <source>Programma Peso = 0</source>
        <translation>Programa peso = 0</translation>
    </message>
    <message>
        <source>Set-Up Singola/Doppia</source>
        <translation>Configuração simples/dupla</translation>
    </message>
    <message>
        <source>Set-Up i due rele di carico = 0</source>
        <translation>Configuração: os dois relés de carga = 0</translation>
    </message>
    <message>
        <source>Set-Up i due rele di scarico = 0</source>
        <translation>Configuração: os dois relés de descarga = 0</translation>
    </message>
    <message>
        <source>Set-Up k-Peso = 0</source>
        <translation>Configuração k-peso = 0</translation>
    </message>
    <message>
        <source>rele Scarico Destro non assegnato</source>
        <translation>relé de descarga direito não atribuído</translation>
    </message>
    <message>
        <source>rele Scarico Sinistro non assegnato</source>
        <translation>relé de descarga esquerdo não atribuído</translation>
    </message>
    <message>
        <source>Doppia manca 1 rele o 1 sensore di carico</source>
        <translation>Dupla: falta 1 relé ou 1 sensor de carga</translation>
    </message>
    <message>
        <source>Ciclo On Tara valore errato</source>
        <translation>Ciclo On: valor de tara errado</translation>
    </message>
    <message>
        <source>seriale Ricezione buffer pieno</source>
        <translation>série: buffer de receção cheio</translation>
    </message>
    <message>
        <source>seriale Trasmissione Time-Out</source>
        <translation>série: tempo de transmissão esgotado</translation>
    </message>
    <message>
        <source>comandi J/K errati</source>
        <translation>comandos J/K errados</translation>
    </message>
    <message>
        <source>0 - Centralina off</source>
        <translation>0 - Controlador desligado</translation>
    </message>
    <message>
        <source>0 - Accesa</source>
        <translation>0 - Ligada</translation>
    </message>
    <message>
        <source>1 - Stand By</source>
        <translation>1 - Em espera</translation>
    </message>
    <message>
        <source>2 - Attesa Encoder</source>
        <translation>2 - Espera encoder</translation>
    </message>
    <message>
        <source>3 - Tara iniziale</source>
        <translation>3 - Tara inicial</translation>
    </message>
    <message>
        <source>4 - Lavorazione</source>
        <translation>4 - Produção</translation>
    </message>
    <message>
        <source>5 - Fine partita</source>
        <translation>5 - Fim do lote</translation>
    </message>
    <message>
        <source>%1tz/s</source>
        <translation>%1 cv/s</translation>
    </message>
    <message>
        <source>set Encoder orario</source>
        <translation>encoder no sentido horário</translation>
    </message>
    <message>
        <source>set Encoder antiorario</source>
        <translation>encoder no sentido anti-horário</translation>
    </message>
    <message>
        <source>Trasf. %1Mb3 = %2 %</source>
        <translation>Envio%1para Mb3 = %2 %</translation>
    </message>
    <message>
        <source>Programma</source>
        <translation>Programa</translation>
    </message>
    <message>
        <source>Bolla temporanea non presente!</source>
        <translation>Não existe guia provisória!</translation>
    </message>
    <message>
        <source>Vuoi esportare i dati verso AS400 ?</source>
        <translation>Deseja exportar os dados para o AS400?</translation>
    </message>
    <message>
        <source>KV7 Campionatrice</source>
        <translation>KV7 Amostradora</translation>
    </message>
    <message>
        <source>Programma Gestione Calibratrice</source>
        <translation>Programa de gestão da calibradora</translation>
    </message>
    <message>
        <source>non abilitata</source>
        <translation>não ativada</translation>
    </message>
    <message>
        <source>KV7 Campionatrice%1</source>
        <translation>KV7 Amostradora%1</translation>
    </message>
    <message>
        <source>La centralina è spenta, accenderla per favore!</source>
        <translation>A central está desligada, ligue-a por favor!</translation>
    </message>
    <message>
        <source>I totali verranno azzerati, vuoi continuare ?</source>
        <translation>Os totais serão zerados, deseja continuar?</translation>
    </message>
    <message>
        <source>richiesta totali della centralina scarti non risposta!</source>
        <translation>a central de refugos não respondeu ao pedido de totais!</translation>
    </message>
    <message>
        <source>1-SCARTI ON</source>
        <translation>1-REFUGOS ON</translation>
    </message>
    <message>
        <source>linea %1 non risponde</source>
        <translation>a linha %1 não responde</translation>
    </message>
    <message>
        <source>Il programma %1 non è in archivio.</source>
        <translation>O programa %1 não está no arquivo.</translation>
    </message>
    <message>
        <source>Il programma %1 non può essere caricato: il codice deve essere un numero da 1 a 98.</source>
        <translation>Não é possível carregar o programa %1: o código deve ser um número de 1 a 98.</translation>
    </message>
    <message>
        <source>Il programma è quello corrente; non è possibile cancellarlo!</source>
        <translation>É o programa em uso; não é possível eliminá-lo!</translation>
    </message>
    <message>
        <source>Tutti i codici da 01 a 98 sono già usati: cancellare un programma.</source>
        <translation>Todos os códigos de 01 a 98 já estão em uso: elimine um programa.</translation>
    </message>
    <message>
        <source>programma %1 non in archivio</source>
        <translation>programa %1 não está no arquivo</translation>
    </message>
    <message>
        <source>Il campo %1 non contiene un numero intero: &quot;%2&quot;. La bolla non è stata salvata.</source>
        <translation>O campo %1 não contém um número inteiro: &quot;%2&quot;. A guia não foi guardada.</translation>
    </message>
    <message>
        <source>Totale partita deve essere maggiore di zero!</source>
        <translation>O total da partida deve ser maior que zero!</translation>
    </message>
    <message>
        <source>azzione scarti!</source>
        <translation>ação refugos!</translation>
    </message>
    <message>
        <source>nessun programma caricato</source>
        <translation>nenhum programa carregado</translation>
    </message>
    <message>
        <source>Verificare che la macchina sia vuota, premere Yes per eseguire la calibrazione.</source>
        <translation>Verifique se a máquina está vazia, prima Yes para executar a calibração.</translation>
    </message>
    <message>
        <source>La bolla %1 non è stata salvata: %2. I totali restano nella centralina.</source>
        <translation>A guia %1 não foi guardada: %2. Os totais ficam na central.</translation>
    </message>
    <message>
        <source>La bolla %1 è in attesa: sarà archiviata appena il database risponde.</source>
        <translation>A guia %1 está em espera: será arquivada assim que a base de dados responder.</translation>
    </message>
    <message>
        <source>Il record della bolla %1 è in attesa: la cartella %2 non è scrivibile.</source>
        <translation>O registo da guia %1 está em espera: a pasta %2 não pode ser escrita.</translation>
    </message>
    <message>
        <source>Giornale delle bolle non disponibile: %1</source>
        <translation>Diário das guias não disponível: %1</translation>
    </message>
    <message>
        <source>Esportazione non scritta: %1</source>
        <translation>Exportação não escrita: %1</translation>
    </message>
    <message>
        <source>Lavorazione precedente n: %1</source>
        <translation>Processamento anterior n: %1</translation>
    </message>
    <message>
        <source>%1 bolle in attesa</source>
        <translation>%1 guias em espera</translation>
    </message>
    <message>
        <source>%1 record in attesa</source>
        <translation>%1 registos em espera</translation>
    </message>
    <message>
        <source>Attenzione! le modifiche apportate nel quadro che segue possono alterare il funzionamento della macchina. Si vuole proseguire?</source>
        <translation>Atenção! As alterações feitas na janela seguinte podem alterar o funcionamento da máquina. Deseja continuar?</translation>
    </message>
    <message>
        <source>Com non disponibile nel computer, il programma terminera!</source>
        <translation>Porta COM não disponível no computador, o programa vai terminar!</translation>
    </message>
    <message>
        <source>Com Scarti non disponibile nel computer, il programma terminera!</source>
        <translation>Porta COM de refugos não disponível no computador, o programa vai terminar!</translation>
    </message>
    <message>
        <source>Dischetto sul floppy non presente o non leggibile!</source>
        <translation>Disco ausente ou ilegível!</translation>
    </message>
    <message>
        <source>Salvataggio effettuato!</source>
        <translation>Gravação efetuada!</translation>
    </message>
    <message>
        <source>Ripristino effettuato!</source>
        <translation>Restauro efetuado!</translation>
    </message>
    <message>
        <source>Cancellazione non possibile, Bolla precedente in corso.</source>
        <translation>Não é possível apagar, guia anterior em curso.</translation>
    </message>
    <message>
        <source>Cancellare archivio Bolle? non sarà possibile recuperarlo.</source>
        <translation>Apagar o arquivo de guias? Não será possível recuperá-lo.</translation>
    </message>
    <message>
        <source>Cancellare archivio Produttori? non sarà possibile recuperarlo.</source>
        <translation>Apagar o arquivo de produtores? Não será possível recuperá-lo.</translation>
    </message>
    <message>
        <source>Archivio Bolle cancellato!</source>
        <translation>Arquivo de guias apagado!</translation>
    </message>
    <message>
        <source>Archivio Produttori cancellato!</source>
        <translation>Arquivo de produtores apagado!</translation>
    </message>
    <message>
        <source>Copia di sicurezza non riuscita: archivio non cancellato.</source>
        <translation>Cópia de segurança falhou: arquivo não apagado.</translation>
    </message>
    <message>
        <source>Copia di sicurezza dell&apos;archivio in %1</source>
        <translation>Cópia de segurança do arquivo em %1</translation>
    </message>
    <message>
        <source>Impossibile avviare il programma di aggiornamento %1</source>
        <translation>Não é possível iniciar o programa de atualização %1</translation>
    </message>
    <message>
        <source>Termine Memorizzato non accettato!</source>
        <translation>Fim do memorizado não aceite!</translation>
    </message>
    <message>
        <source>Fine funzione oscilloscopio... non eseguita!</source>
        <translation>Fim da função osciloscópio... não executado!</translation>
    </message>
    <message>
        <source>Impossibile scrivere il file %1: le tracce non vengono più salvate.</source>
        <translation>Não é possível escrever o ficheiro %1: os traços deixam de ser guardados.</translation>
    </message>
    <message>
        <source>Totali con la bolla archiviata n: %1 (azzerare F8)</source>
        <translation>Totais com a guia arquivada n: %1 (zerar F8)</translation>
    </message>
    <message>
        <source>La linea %1 non ha dato i totali: la bolla non è stata archiviata. Premere F9 quando la linea risponde.</source>
        <translation>A linha %1 não deu os totais: a guia não foi arquivada. Prima F9 quando a linha responder.</translation>
    </message>
    <message>
        <source>%1 bolle rifiutate</source>
        <translation>%1 guias recusadas</translation>
    </message>
    <message>
        <source>La bolla %1 è stata rifiutata dall&apos;archivio: %2. Resta nel giornale tra le bolle rifiutate.</source>
        <translation>O arquivo recusou a guia %1: %2. Fica no diário entre as guias recusadas.</translation>
    </message>
    <message>
        <source>La bolla è stata registrata con il numero %1: il numero %2 è stato preso nel frattempo da un&apos;altra bolla.</source>
        <translation>A guia foi registada com o número %1: entretanto outra guia ficou com o número %2.</translation>
    </message>
    <message>
        <source>La bolla %1 è stata cancellata dopo l&apos;apertura: le modifiche non sono state salvate.</source>
        <translation>A guia %1 foi apagada depois de aberta: as alterações não foram guardadas.</translation>
    </message>
    <message>
        <source>La bolla %1 è stata cambiata dopo l&apos;apertura: le modifiche non sono state salvate.</source>
        <translation>A guia %1 foi alterada depois de aberta: as alterações não foram guardadas.</translation>
    </message>
    <message>
        <source>La bolla %1 non esiste più.</source>
        <translation>A guia %1 já não existe.</translation>
    </message>
    <message>
        <source>Errore imprevisto: %1. Il programma viene chiuso.</source>
        <translation>Erro inesperado: %1. O programa será fechado.</translation>
    </message>
    <message>
        <source>Configurazione non leggibile (%1): il programma termina senza modificarla.</source>
        <translation>Configuração ilegível (%1): o programa termina sem a modificar.</translation>
    </message>
    <message>
        <source>Il file non contiene impostazioni dell&apos;installazione: niente ripristinato.</source>
        <translation>O ficheiro não contém definições da instalação: nada foi restaurado.</translation>
    </message>
    <message>
        <source>Le impostazioni del file sono già quelle in uso: niente da ripristinare.</source>
        <translation>As definições do ficheiro já são as que estão em uso: nada a restaurar.</translation>
    </message>
    <message>
        <source>Impostazioni che il ripristino cambia: %1. Procedere?</source>
        <translation>Definições que o restauro altera: %1. Continuar?</translation>
    </message>
    <message>
        <source>Programma di aggiornamento non installato: %1</source>
        <translation>Programa de atualização não instalado: %1</translation>
    </message>
    <message>
        <source>%1 - Macchina %2</source>
        <translation>%1 - Máquina %2</translation>
    </message>
</context>
<context>
    <name>ProgramMessages</name>
    <message>
        <source> Caricamento Programma </source>
        <translation> Carregamento do programa </translation>
    </message>
    <message>
        <source> Cancella Programma </source>
        <translation> Eliminar programa </translation>
    </message>
    <message>
        <source>La centralina è spenta, accenderla per favore!</source>
        <translation>O controlador está desligado: ligue-o, por favor!</translation>
    </message>
    <message>
        <source>Il programma %1 non può essere caricato: il codice deve essere un numero da 1 a 98.</source>
        <translation>Não é possível carregar o programa %1: o código deve ser um número de 1 a 98.</translation>
    </message>
    <message>
        <source>Il programma è quello corrente; non è possibile cancellarlo!</source>
        <translation>É o programa em uso; não é possível eliminá-lo!</translation>
    </message>
    <message>
        <source>Tutti i codici da 01 a 98 sono già usati: cancellare un programma.</source>
        <translation>Todos os códigos de 01 a 98 já estão em uso: elimine um programa.</translation>
    </message>
    <message>
        <source>Il programma %1 non è in archivio.</source>
        <translation>O programa %1 não está no arquivo.</translation>
    </message>
</context>
<context>
    <name>kv7::batches::TListaBolla</name>
    <message>
        <source>Lista Bolle</source>
        <translation>Lista de guias</translation>
    </message>
    <message>
        <source>Selezionare la Bolla</source>
        <translation>Selecione a guia</translation>
    </message>
    <message>
        <source>Numero  Bolle</source>
        <translation>Número de guias</translation>
    </message>
    <message>
        <source>Partita</source>
        <translation>Partida</translation>
    </message>
    <message>
        <source>Scarto</source>
        <translation>Refugo</translation>
    </message>
    <message>
        <source>&lt;nuovo produttore&gt;</source>
        <translation>&lt;novo produtor&gt;</translation>
    </message>
</context>
<context>
    <name>kv7::batches::TListaProduttori</name>
    <message>
        <source>Lista Produttori</source>
        <translation>Lista de produtores</translation>
    </message>
    <message>
        <source>Selezionare il produttore</source>
        <translation>Selecione o produtor</translation>
    </message>
    <message>
        <source>Numero  Produttori</source>
        <translation>Número de produtores</translation>
    </message>
</context>
<context>
    <name>kv7::batches::TModDati</name>
    <message>
        <source>Bolla ritiro N:</source>
        <translation>Guia de receção N.º:</translation>
    </message>
    <message>
        <source>Codice :</source>
        <translation>Código:</translation>
    </message>
    <message>
        <source>Descrizione :</source>
        <translation>Descrição:</translation>
    </message>
    <message>
        <source>Note :</source>
        <translation>Notas:</translation>
    </message>
    <message>
        <source>Totale Partita kg:</source>
        <translation>Total da partida kg:</translation>
    </message>
    <message>
        <source>Lotto N:</source>
        <translation>Lote N.º:</translation>
    </message>
    <message>
        <source>N Casse:</source>
        <translation>N.º caixas:</translation>
    </message>
    <message>
        <source>N Pedane:</source>
        <translation>N.º paletes:</translation>
    </message>
    <message>
        <source>Operatore:</source>
        <translation>Operador:</translation>
    </message>
    <message>
        <source>Dati Bolla</source>
        <translation>Dados da guia</translation>
    </message>
    <message>
        <source>Produttore</source>
        <translation>Produtor</translation>
    </message>
    <message>
        <source>Cambia</source>
        <translation>Alterar</translation>
    </message>
    <message>
        <source>Forza Data </source>
        <translation>Forçar data </translation>
    </message>
    <message>
        <source>Salva</source>
        <translation>Guardar</translation>
    </message>
</context>
<context>
    <name>kv7::batches::TNewBolla</name>
    <message>
        <source>Ripartizione Calibri</source>
        <translation>Repartição por calibres</translation>
    </message>
    <message>
        <source>Nuova Bolla</source>
        <translation>Nova guia</translation>
    </message>
    <message>
        <source>Qualita %1</source>
        <translation>Qualidade %1</translation>
    </message>
    <message>
        <source>Partita</source>
        <translation>Partida</translation>
    </message>
    <message>
        <source>Cambia</source>
        <translation>Alterar</translation>
    </message>
    <message>
        <source>Salva</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>gr</source>
        <translation>g</translation>
    </message>
    <message>
        <source>Kg</source>
        <translation>kg</translation>
    </message>
    <message>
        <source>Totale calibro %1, Qualita %2</source>
        <translation>Total calibre %1, qualidade %2</translation>
    </message>
    <message>
        <source>Scarto</source>
        <translation>Refugo</translation>
    </message>
    <message>
        <source>Tot Partita</source>
        <translation>Total partida</translation>
    </message>
    <message>
        <source>num. Casse</source>
        <translation>n.º caixas</translation>
    </message>
    <message>
        <source>num. Pedane</source>
        <translation>n.º paletes</translation>
    </message>
    <message>
        <source>Calibro</source>
        <translation>Calibre</translation>
    </message>
    <message>
        <source>Peso</source>
        <translation>Peso</translation>
    </message>
    <message>
        <source>Totale</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Percentuale</source>
        <translation>Percentagem</translation>
    </message>
    <message>
        <source>Qualita 1</source>
        <translation>Qualidade 1</translation>
    </message>
    <message>
        <source>Qualita 2</source>
        <translation>Qualidade 2</translation>
    </message>
    <message>
        <source>Qualita 3</source>
        <translation>Qualidade 3</translation>
    </message>
    <message>
        <source>Qualita 4</source>
        <translation>Qualidade 4</translation>
    </message>
    <message>
        <source>TOTALE</source>
        <translation>TOTAL</translation>
    </message>
    <message>
        <source>Programma</source>
        <translation>Programa</translation>
    </message>
    <message>
        <source>Bolla</source>
        <translation>Guia</translation>
    </message>
    <message>
        <source>Numero</source>
        <translation>Número</translation>
    </message>
    <message>
        <source>Lotto</source>
        <translation>Lote</translation>
    </message>
    <message>
        <source>Produttore</source>
        <translation>Produtor</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>Codice a Barre</source>
        <translation>Código de barras</translation>
    </message>
    <message>
        <source>Operatore</source>
        <translation>Operador</translation>
    </message>
    <message>
        <source>Ricalcolo</source>
        <translation>Recálculo</translation>
    </message>
    <message>
        <source>Valore: %1   (%2 al Kg)   listino dal %3</source>
        <translation>Valor: %1   (%2 por Kg)   tabela desde %3</translation>
    </message>
    <message>
        <source>Q%1 C%2</source>
        <translation>Q%1 C%2</translation>
    </message>
    <message>
        <source>Senza prezzo: %1</source>
        <translation>Sem preço: %1</translation>
    </message>
</context>
<context>
    <name>kv7::batches::TProduttori</name>
    <message>
        <source>Dato Produttore</source>
        <translation>Dados do produtor</translation>
    </message>
    <message>
        <source>codice produttore</source>
        <translation>código do produtor</translation>
    </message>
    <message>
        <source>descrizione produttore</source>
        <translation>descrição do produtor</translation>
    </message>
    <message>
        <source>Salva</source>
        <translation>Guardar</translation>
    </message>
</context>
<context>
    <name>kv7::batches::Texpfiltdata</name>
    <message>
        <source>Esporta Bolle con filtro per DATA</source>
        <translation>Exportar guias com filtro por DATA</translation>
    </message>
    <message>
        <source>Data inizio</source>
        <translation>Data início</translation>
    </message>
    <message>
        <source>Data Fine</source>
        <translation>Data fim</translation>
    </message>
    <message>
        <source>Nomi campi</source>
        <translation>Nomes dos campos</translation>
    </message>
    <message>
        <source>ESPORTA</source>
        <translation>EXPORTAR</translation>
    </message>
</context>
<context>
    <name>kv7::installation::TInstallazione</name>
    <message>
        <source>variabile</source>
        <translation>variável</translation>
    </message>
    <message>
        <source>100%</source>
        <translation>100%</translation>
    </message>
    <message>
        <source>60% /3 Passi</source>
        <translation>60% /3 passos</translation>
    </message>
    <message>
        <source>100% /3 Passi</source>
        <translation>100% /3 passos</translation>
    </message>
    <message>
        <source>TARA/LINEA</source>
        <translation>TARA/LINHA</translation>
    </message>
    <message>
        <source>TARA/TAZZA</source>
        <translation>TARA/COPO</translation>
    </message>
    <message>
        <source>TARA INC.(1gr)</source>
        <translation>TARA INC.(1gr)</translation>
    </message>
    <message>
        <source>TARA INC.(2gr)</source>
        <translation>TARA INC.(2gr)</translation>
    </message>
    <message>
        <source>TARA INC.(3gr)</source>
        <translation>TARA INC.(3gr)</translation>
    </message>
    <message>
        <source>TARA INC.(4gr)</source>
        <translation>TARA INC.(4gr)</translation>
    </message>
    <message>
        <source>TARA INC.(5gr)</source>
        <translation>TARA INC.(5gr)</translation>
    </message>
    <message>
        <source>TARA INC.(6gr)</source>
        <translation>TARA INC.(6gr)</translation>
    </message>
    <message>
        <source>Seriale Centralina</source>
        <translation>Série da central</translation>
    </message>
    <message>
        <source>Seriale S. Barcode</source>
        <translation>Série leitor código de barras</translation>
    </message>
    <message>
        <source>Seriale S. Scarti</source>
        <translation>Série estação refugos</translation>
    </message>
    <message>
        <source>Abilita</source>
        <translation>Ativar</translation>
    </message>
    <message>
        <source>Seriali</source>
        <translation>Portas série</translation>
    </message>
    <message>
        <source>Numero linee</source>
        <translation>Número de linhas</translation>
    </message>
    <message>
        <source>Numero Uscite</source>
        <translation>Número de saídas</translation>
    </message>
    <message>
        <source>Numero Tazze/L.</source>
        <translation>Número de copos/L.</translation>
    </message>
    <message>
        <source>Tipo attiv. Magn.</source>
        <translation>Tipo ativ. ímanes</translation>
    </message>
    <message>
        <source>Durata Att.</source>
        <translation>Duração ativ.</translation>
    </message>
    <message>
        <source>Apertura Magneti</source>
        <translation>Abertura ímanes</translation>
    </message>
    <message>
        <source>Fase Zero Encoder</source>
        <translation>Fase zero encoder</translation>
    </message>
    <message>
        <source>verso rotazione encoder</source>
        <translation>sentido de rotação encoder</translation>
    </message>
    <message>
        <source>Macchina</source>
        <translation>Máquina</translation>
    </message>
    <message>
        <source>Lettura I/F</source>
        <translation>Leitura I/F</translation>
    </message>
    <message>
        <source>K-peso</source>
        <translation>K-peso</translation>
    </message>
    <message>
        <source>Qualita linee</source>
        <translation>Qualidade linhas</translation>
    </message>
    <message>
        <source>Rit. Tara</source>
        <translation>Atr. tara</translation>
    </message>
    <message>
        <source>Tipo Tara</source>
        <translation>Tipo tara</translation>
    </message>
    <message>
        <source>Dist. FC</source>
        <translation>Dist. FC</translation>
    </message>
    <message>
        <source>Durata FC</source>
        <translation>Duração FC</translation>
    </message>
    <message>
        <source>ritardo FC</source>
        <translation>atraso FC</translation>
    </message>
    <message>
        <source>Tara e fine campione</source>
        <translation>Tara e fim de amostra</translation>
    </message>
    <message>
        <source>Installazione</source>
        <translation>Instalação</translation>
    </message>
    <message>
        <source>Linea %1</source>
        <translation>Linha %1</translation>
    </message>
    <message>
        <source>Qualità%1</source>
        <translation>Qualidade%1</translation>
    </message>
    <message>
        <source>non abilitata</source>
        <translation>não ativada</translation>
    </message>
    <message>
        <source>Stampa</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Salva</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>◄ sinistra</source>
        <translation>◄ esquerda</translation>
    </message>
    <message>
        <source>destra ►</source>
        <translation>direita ►</translation>
    </message>
    <message>
        <source>Il campo &quot;%1&quot; deve contenere un numero intero.</source>
        <translation>O campo &quot;%1&quot; deve conter um número inteiro.</translation>
    </message>
    <message>
        <source>Il campo &quot;%1&quot; deve contenere un numero da 0 a %2: la centralina non ne riceve altri.</source>
        <translation>O campo &quot;%1&quot; deve conter um número de 0 a %2: o controlador não recebe outros.</translation>
    </message>
    <message>
        <source>Distanza Uscite</source>
        <translation>Distância saídas</translation>
    </message>
    <message>
        <source>Nuova password servizio</source>
        <translation>Nova palavra-passe de serviço</translation>
    </message>
    <message>
        <source>Ripeti</source>
        <translation>Repetir</translation>
    </message>
    <message>
        <source>Nuova password azzeramenti</source>
        <translation>Nova palavra-passe de apagamento</translation>
    </message>
    <message>
        <source>Password (vuote: restano quelle in uso)</source>
        <translation>Palavras-passe (vazias: mantêm-se as atuais)</translation>
    </message>
    <message>
        <source>La nuova password non è stata scritta uguale due volte.</source>
        <translation>A nova palavra-passe não foi escrita igual nas duas vezes.</translation>
    </message>
    <message>
        <source>Numero Macchina</source>
        <translation>Número da máquina</translation>
    </message>
</context>
<context>
    <name>kv7::installation::Tpasswd</name>
    <message>
        <source>Password Accesso Servizio</source>
        <translation>Senha de acesso de serviço</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Senha</translation>
    </message>
    <message>
        <source>Entra</source>
        <translation>Entrar</translation>
    </message>
</context>
<context>
    <name>kv7::prices::TListino</name>
    <message>
        <source>Listino prezzi</source>
        <translation>Tabela de preços</translation>
    </message>
    <message>
        <source>Valido dal</source>
        <translation>Válido desde</translation>
    </message>
    <message>
        <source>Listini</source>
        <translation>Tabelas</translation>
    </message>
    <message>
        <source>Prezzo Scarto (Q5)</source>
        <translation>Preço Refugo (Q5)</translation>
    </message>
    <message>
        <source>Salva</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Qualita %1</source>
        <translation>Qualidade %1</translation>
    </message>
    <message>
        <source>Calibro</source>
        <translation>Calibre</translation>
    </message>
    <message>
        <source>Peso</source>
        <translation>Peso</translation>
    </message>
    <message>
        <source>Prezzo al Kg</source>
        <translation>Preço por Kg</translation>
    </message>
    <message>
        <source>Programma %1  %2</source>
        <translation>Programa %1  %2</translation>
    </message>
    <message>
        <source>Prezzo non valido: %1</source>
        <translation>Preço inválido: %1</translation>
    </message>
</context>
<context>
    <name>kv7::programs::TListaProgrammi</name>
    <message>
        <source>Lista Programmi</source>
        <translation>Lista de programas</translation>
    </message>
    <message>
        <source>Selezionare il programma</source>
        <translation>Selecione o programa</translation>
    </message>
    <message>
        <source>Numero  Programmi</source>
        <translation>Número de programas</translation>
    </message>
</context>
<context>
    <name>kv7::programs::TNewProgram</name>
    <message>
        <source>Programma</source>
        <translation>Programa</translation>
    </message>
    <message>
        <source>Descrizione</source>
        <translation>Descrição</translation>
    </message>
    <message>
        <source>Codice</source>
        <translation>Código</translation>
    </message>
    <message>
        <source>Pesi Qualita %1</source>
        <translation>Pesos qualidade %1</translation>
    </message>
    <message>
        <source>Codice SQL Q5</source>
        <translation>Código SQL Q5</translation>
    </message>
    <message>
        <source>Salva</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Calibro</source>
        <translation>Calibre</translation>
    </message>
    <message>
        <source>Peso</source>
        <translation>Peso</translation>
    </message>
    <message>
        <source>Codice SQL</source>
        <translation>Código SQL</translation>
    </message>
    <message>
        <source>Modifica programma N. </source>
        <translation>Modificar programa n.º </translation>
    </message>
    <message>
        <source>il campo codice programma deve essere un numero di max 2 cifre!</source>
        <translation>o código do programa deve ser um número com 2 algarismos no máximo!</translation>
    </message>
    <message>
        <source>Qualita %1, calibro %2: il peso %3 deve essere un numero intero; il programma non è stato salvato.</source>
        <translation>Qualidade %1, calibre %2: o peso %3 deve ser um número inteiro; o programa não foi guardado.</translation>
    </message>
    <message>
        <source>massimo</source>
        <translation>máximo</translation>
    </message>
    <message>
        <source>minimo</source>
        <translation>mínimo</translation>
    </message>
    <message>
        <source>Il codice programma deve essere un numero da 1 a 98: la centralina non carica programmi con altri numeri. Il programma non è stato salvato.</source>
        <translation>O código do programa deve ser um número de 1 a 98: o controlador não carrega programas com outros números. O programa não foi guardado.</translation>
    </message>
</context>
<context>
    <name>kv7::programs::TParProg</name>
    <message>
        <source>Parametri  Programma</source>
        <translation>Parâmetros do programa</translation>
    </message>
    <message>
        <source>Archiviazione</source>
        <translation>Arquivo</translation>
    </message>
    <message>
        <source>Stampa Bolla</source>
        <translation>Imprimir guia</translation>
    </message>
    <message>
        <source>Trasmis. al remoto</source>
        <translation>Transmissão ao remoto</translation>
    </message>
    <message>
        <source>Stampa grammature</source>
        <translation>Imprimir calibres em gramas</translation>
    </message>
    <message>
        <source>Fine Partita Autom.</source>
        <translation>Fim do lote autom.</translation>
    </message>
    <message>
        <source>grammi</source>
        <translation>gramas</translation>
    </message>
    <message>
        <source>Kilogrammi</source>
        <translation>Quilogramas</translation>
    </message>
    <message>
        <source>Totali espressi in</source>
        <translation>Totais expressos em</translation>
    </message>
    <message>
        <source>Numero Copie Bolle</source>
        <translation>Número de cópias da guia</translation>
    </message>
    <message>
        <source>Sfoglia..</source>
        <translation>Procurar..</translation>
    </message>
    <message>
        <source>Directory esp-AS400</source>
        <translation>Pasta export. AS400</translation>
    </message>
    <message>
        <source>Auto Rinfresco Totali</source>
        <translation>Atualização automática dos totais</translation>
    </message>
    <message>
        <source>Avviso limite Percentuale raggiunta</source>
        <translation>Aviso de limite de percentagem atingido</translation>
    </message>
    <message>
        <source>Limite Perc. Q%1</source>
        <translation>Limite perc. Q%1</translation>
    </message>
    <message>
        <source>Font Stampe</source>
        <translation>Tipo de letra de impressão</translation>
    </message>
    <message>
        <source>Salva</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Copia PDF della bolla</source>
        <translation>Cópia PDF da guia</translation>
    </message>
</context>
<context>
    <name>kv7::reports::PagePainter</name>
    <message>
        <source> Stampa Programma </source>
        <translation> Imprimir Programa </translation>
    </message>
    <message>
        <source>LAVORAZIONE</source>
        <translation>PROCESSAMENTO</translation>
    </message>
    <message>
        <source>STAMPA BOLLA</source>
        <translation>IMPRIMIR GUIA</translation>
    </message>
    <message>
        <source>Prima Qualita</source>
        <translation>Primeira Qualidade</translation>
    </message>
    <message>
        <source>Qualita 2</source>
        <translation>Qualidade 2</translation>
    </message>
    <message>
        <source>Qualita 3</source>
        <translation>Qualidade 3</translation>
    </message>
    <message>
        <source>Qualita 4</source>
        <translation>Qualidade 4</translation>
    </message>
    <message>
        <source>Data Bolla: </source>
        <translation>Data Guia: </translation>
    </message>
    <message>
        <source>Numero Bolla: </source>
        <translation>Número Guia: </translation>
    </message>
    <message>
        <source>Numero Registrazione: </source>
        <translation>Número Registo: </translation>
    </message>
    <message>
        <source>Lotto Bolla: </source>
        <translation>Lote Guia: </translation>
    </message>
    <message>
        <source>Numero Programma:</source>
        <translation>Número Programa:</translation>
    </message>
    <message>
        <source>Operatore: </source>
        <translation>Operador: </translation>
    </message>
    <message>
        <source>Descrizione:</source>
        <translation>Descrição:</translation>
    </message>
    <message>
        <source>Cod. produttore: </source>
        <translation>Cód. produtor: </translation>
    </message>
    <message>
        <source>Descrizione: </source>
        <translation>Descrição: </translation>
    </message>
    <message>
        <source>calibro</source>
        <translation>calibre</translation>
    </message>
    <message>
        <source>Peso</source>
        <translation>Peso</translation>
    </message>
    <message>
        <source>Totali</source>
        <translation>Totais</translation>
    </message>
    <message>
        <source>Perc.</source>
        <translation>Perc.</translation>
    </message>
    <message>
        <source>Tot.PrimaQ</source>
        <translation>Tot.PrimeiraQ</translation>
    </message>
    <message>
        <source>Tot.Q2</source>
        <translation>Tot.Q2</translation>
    </message>
    <message>
        <source>Tot.Q5(Scarto)</source>
        <translation>Tot.Q5(Refugo)</translation>
    </message>
    <message>
        <source>Tot.Q3</source>
        <translation>Tot.Q3</translation>
    </message>
    <message>
        <source>Tot.Q4</source>
        <translation>Tot.Q4</translation>
    </message>
    <message>
        <source>Tot. Generale</source>
        <translation>Tot. Geral</translation>
    </message>
    <message>
        <source>n. Casse:</source>
        <translation>n. Caixas:</translation>
    </message>
    <message>
        <source>n. Pedane:</source>
        <translation>n. Paletes:</translation>
    </message>
    <message>
        <source>note:</source>
        <translation>notas:</translation>
    </message>
    <message>
        <source>STAMPA PROGRAMMA</source>
        <translation>IMPRIMIR PROGRAMA</translation>
    </message>
    <message>
        <source>Qualita %1</source>
        <translation>Qualidade %1</translation>
    </message>
    <message>
        <source>STAMPA INSTALLAZIONE</source>
        <translation>IMPRIMIR INSTALAÇÃO</translation>
    </message>
    <message>
        <source>Data: </source>
        <translation>Data: </translation>
    </message>
    <message>
        <source>Numero linee: </source>
        <translation>Número linhas: </translation>
    </message>
    <message>
        <source>Numero tazze: </source>
        <translation>Número copos: </translation>
    </message>
    <message>
        <source>Ritardo Tara:</source>
        <translation>Atraso Tara:</translation>
    </message>
    <message>
        <source>Tipo Tara:</source>
        <translation>Tipo Tara:</translation>
    </message>
    <message>
        <source>dir encoder:</source>
        <translation>dir encoder:</translation>
    </message>
    <message>
        <source>zero encoder:</source>
        <translation>zero encoder:</translation>
    </message>
    <message>
        <source>Linea %1</source>
        <translation>Linha %1</translation>
    </message>
    <message>
        <source>ini: </source>
        <translation>ini: </translation>
    </message>
    <message>
        <source>fine: </source>
        <translation>fim: </translation>
    </message>
    <message>
        <source>kappa:</source>
        <translation>kappa:</translation>
    </message>
    <message>
        <source>Qual: </source>
        <translation>Qual: </translation>
    </message>
    <message>
        <source>Codice</source>
        <translation>Código</translation>
    </message>
    <message>
        <source>Descrizione</source>
        <translation>Descrição</translation>
    </message>
    <message>
        <source>STAMPA PRODUTTORI</source>
        <translation>IMPRIMIR PRODUTORES</translation>
    </message>
    <message>
        <source>Costo al Kg.</source>
        <translation>Custo por Kg.</translation>
    </message>
    <message>
        <source>L. %1   %2</source>
        <translation>L. %1   %2</translation>
    </message>
    <message>
        <source>Programma</source>
        <translation>Programa</translation>
    </message>
    <message>
        <source>Macchina</source>
        <translation>Máquina</translation>
    </message>
    <message>
        <source>Settimana</source>
        <translation>Semana</translation>
    </message>
    <message>
        <source>Produttore</source>
        <translation>Produtor</translation>
    </message>
    <message>
        <source>Nome</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Bolle</source>
        <translation>Guias</translation>
    </message>
    <message>
        <source>Valore:</source>
        <translation>Valor:</translation>
    </message>
    <message>
        <source>%1   (%2 al Kg)</source>
        <translation>%1   (%2 por Kg)</translation>
    </message>
    <message>
        <source>Listino dal %1</source>
        <translation>Tabela desde %1</translation>
    </message>
    <message>
        <source>Scarto</source>
        <translation>Refugo</translation>
    </message>
    <message>
        <source>Q%1 C%2</source>
        <translation>Q%1 C%2</translation>
    </message>
    <message>
        <source>Senza prezzo: %1</source>
        <translation>Sem preço: %1</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Num.</source>
        <translation>Núm.</translation>
    </message>
    <message>
        <source>Bolla</source>
        <translation>Guia</translation>
    </message>
    <message>
        <source>Kg dich.</source>
        <translation>Kg decl.</translation>
    </message>
    <message>
        <source>Kg camp.</source>
        <translation>Kg amost.</translation>
    </message>
    <message>
        <source>Q1 %</source>
        <translation>Q1 %</translation>
    </message>
    <message>
        <source>Q2 %</source>
        <translation>Q2 %</translation>
    </message>
    <message>
        <source>Q3 %</source>
        <translation>Q3 %</translation>
    </message>
    <message>
        <source>Q4 %</source>
        <translation>Q4 %</translation>
    </message>
    <message>
        <source>Scarto %</source>
        <translation>Refugo %</translation>
    </message>
    <message>
        <source>Valore</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Valore/Kg</source>
        <translation>Valor/Kg</translation>
    </message>
    <message>
        <source>STATISTICHE</source>
        <translation>ESTATÍSTICAS</translation>
    </message>
    <message>
        <source>ESTRATTO CONTO STAGIONE</source>
        <translation>EXTRATO DA TEMPORADA</translation>
    </message>
    <message>
        <source>Periodo: %1 - %2</source>
        <translation>Período: %1 - %2</translation>
    </message>
    <message>
        <source>Produttore: %1</source>
        <translation>Produtor: %1</translation>
    </message>
    <message>
        <source>Totale</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>%1 al Kg</source>
        <translation>%1 por Kg</translation>
    </message>
    <message>
        <source>Macchina %1</source>
        <translation>Máquina %1</translation>
    </message>
    <message>
        <source>modificata il %1</source>
        <translation>modificado em %1</translation>
    </message>
</context>
<context>
    <name>kv7::reports::TEstrattoConto</name>
    <message>
        <source>Estratto conto stagione</source>
        <translation>Extrato da temporada</translation>
    </message>
    <message>
        <source>Produttore</source>
        <translation>Produtor</translation>
    </message>
    <message>
        <source>Dal</source>
        <translation>De</translation>
    </message>
    <message>
        <source>Al</source>
        <translation>Até</translation>
    </message>
    <message>
        <source>Stampa</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>kv7::reports::TImpAzienda</name>
    <message>
        <source>Impostazione Azienda</source>
        <translation>Configuração Empresa</translation>
    </message>
    <message>
        <source>&amp;Intestazione (4 righe):</source>
        <translation>&amp;Cabeçalho (4 linhas):</translation>
    </message>
    <message>
        <source>&amp;Salva</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>&amp;Annulla</source>
        <translation>&amp;Cancelar</translation>
    </message>
</context>
<context>
    <name>kv7::reports::TImpCosti</name>
    <message>
        <source>Impostazione Costi</source>
        <translation>Configuração de custos</translation>
    </message>
    <message>
        <source>Persone</source>
        <translation>Pessoas</translation>
    </message>
    <message>
        <source>Costo orario</source>
        <translation>Custo horário</translation>
    </message>
    <message>
        <source>Categoria %1</source>
        <translation>Categoria %1</translation>
    </message>
    <message>
        <source>Costo orario complessivo</source>
        <translation>Custo horário total</translation>
    </message>
    <message>
        <source>Costo / Minuto</source>
        <translation>Custo / Minuto</translation>
    </message>
    <message>
        <source>&amp;Salva</source>
        <translation>&amp;Salvar</translation>
    </message>
    <message>
        <source>&amp;Annulla</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>I valori della categoria %1 sono fuori misura</source>
        <translation>Os valores da categoria %1 estão fora dos limites</translation>
    </message>
</context>
<context>
    <name>kv7::reports::TPrint_boll</name>
    <message>
        <source>stampa programma</source>
        <translation>imprimir programa</translation>
    </message>
    <message>
        <source>stampa installazione</source>
        <translation>imprimir instalação</translation>
    </message>
    <message>
        <source>stampa produttori</source>
        <translation>imprimir produtores</translation>
    </message>
    <message>
        <source>stampa bolla</source>
        <translation>imprimir guia</translation>
    </message>
    <message>
        <source>&amp;Stampa</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>Salva &amp;PDF</source>
        <translation>Guardar &amp;PDF</translation>
    </message>
    <message>
        <source>&amp;Chiudi</source>
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <source>Salva PDF</source>
        <translation>Guardar PDF</translation>
    </message>
    <message>
        <source>File PDF non scritto: %1</source>
        <translation>Ficheiro PDF não escrito: %1</translation>
    </message>
    <message>
        <source>stampa statistiche</source>
        <translation>imprimir estatísticas</translation>
    </message>
    <message>
        <source>estratto conto stagione</source>
        <translation>extrato da temporada</translation>
    </message>
</context>
<context>
    <name>kv7::service::ServiceDialog</name>
    <message>
        <source>L %1</source>
        <translation>L %1</translation>
    </message>
</context>
<context>
    <name>kv7::service::TCalibrazione_Linee</name>
    <message>
        <source>Calibrazione Linee</source>
        <translation>Calibração das linhas</translation>
    </message>
    <message>
        <source>Salva</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Procedura Automatica</source>
        <translation>Procedimento automático</translation>
    </message>
    <message>
        <source>Inizia</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Fine</source>
        <translation>Fim</translation>
    </message>
    <message>
        <source>Peso Campione</source>
        <translation>Peso amostra</translation>
    </message>
    <message>
        <source>Procedura Manuale</source>
        <translation>Procedimento manual</translation>
    </message>
    <message>
        <source>Linea</source>
        <translation>Linha</translation>
    </message>
    <message>
        <source>- N° -</source>
        <translation>- N° -</translation>
    </message>
    <message>
        <source>- KAPPA -</source>
        <translation>- KAPPA -</translation>
    </message>
    <message>
        <source>Peso</source>
        <translation>Peso</translation>
    </message>
    <message>
        <source>Correzione errori</source>
        <translation>Correção de erros</translation>
    </message>
    <message>
        <source>Sovrapeso</source>
        <translation>Excesso de peso</translation>
    </message>
    <message>
        <source>Sottopeso</source>
        <translation>Falta de peso</translation>
    </message>
</context>
<context>
    <name>kv7::service::TTestCelle</name>
    <message>
        <source>Test Celle</source>
        <translation>Teste das células</translation>
    </message>
</context>
<context>
    <name>kv7::service::TTestEncoder</name>
    <message>
        <source>Test Encoder</source>
        <translation>Teste do encoder</translation>
    </message>
    <message>
        <source>N. Giro</source>
        <translation>N. Volta</translation>
    </message>
    <message>
        <source>Valore</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Ultimo Errore</source>
        <translation>Último erro</translation>
    </message>
    <message>
        <source>Penultimo Errore</source>
        <translation>Penúltimo erro</translation>
    </message>
    <message>
        <source>Terzultimo Errore</source>
        <translation>Antepenúltimo erro</translation>
    </message>
    <message>
        <source>Quartultimo Errore</source>
        <translation>Quarto último erro</translation>
    </message>
    <message>
        <source>Quintultimo Errore</source>
        <translation>Quinto último erro</translation>
    </message>
</context>
<context>
    <name>kv7::service::TTestMagneti</name>
    <message>
        <source>Test Magneti</source>
        <translation>Teste ímanes</translation>
    </message>
    <message>
        <source>Test Dinamico</source>
        <translation>Teste dinâmico</translation>
    </message>
    <message>
        <source>Test Statico</source>
        <translation>Teste estático</translation>
    </message>
    <message>
        <source>Inizio</source>
        <translation>Início</translation>
    </message>
    <message>
        <source>Uscita N.</source>
        <translation>Saída N.</translation>
    </message>
</context>
<context>
    <name>kv7::service::TTestMem</name>
    <message>
        <source>TEST NETTO MEMORIZZATO</source>
        <translation>TESTE LÍQUIDO MEMORIZADO</translation>
    </message>
    <message>
        <source>N. TAZZA</source>
        <translation>N. TAÇA</translation>
    </message>
    <message>
        <source>TARA</source>
        <translation>TARA</translation>
    </message>
    <message>
        <source>NETTO</source>
        <translation>LÍQUIDO</translation>
    </message>
</context>
<context>
    <name>kv7::service::TTestOscilloscopio</name>
    <message>
        <source>Funzione Oscilloscopio</source>
        <translation>Função osciloscópio</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Globale</source>
        <translation>Global</translation>
    </message>
    <message>
        <source>Cattura</source>
        <translation>Capturar</translation>
    </message>
    <message>
        <source>Linea in esame</source>
        <translation>Linha em exame</translation>
    </message>
    <message>
        <source>Soglia lnnesco</source>
        <translation>Limiar de disparo</translation>
    </message>
    <message>
        <source>Tazza</source>
        <translation>Taça</translation>
    </message>
    <message>
        <source>minimo</source>
        <translation>mínimo</translation>
    </message>
    <message>
        <source>massimo</source>
        <translation>máximo</translation>
    </message>
    <message>
        <source>Lordo Assoluto</source>
        <translation>Bruto absoluto</translation>
    </message>
    <message>
        <source>Salva su File</source>
        <translation>Guardar em ficheiro</translation>
    </message>
    <message>
        <source>Inizio</source>
        <translation>Início</translation>
    </message>
    <message>
        <source>Fine</source>
        <translation>Fim</translation>
    </message>
    <message>
        <source>Regolazione Fase</source>
        <translation>Ajuste de fase</translation>
    </message>
    <message>
        <source>Fase Zero</source>
        <translation>Fase zero</translation>
    </message>
    <message>
        <source>Aggiorna</source>
        <translation>Atualizar</translation>
    </message>
    <message>
        <source>Ferma</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>cattura</source>
        <translation>capturar</translation>
    </message>
</context>
<context>
    <name>kv7::service::TTestTazzeVuote</name>
    <message>
        <source>Test Tazze Vuote</source>
        <translation>Teste taças vazias</translation>
    </message>
    <message>
        <source>Numero Tazza</source>
        <translation>Número taça</translation>
    </message>
    <message>
        <source>Valore</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Limite +/-</source>
        <translation>Limite +/-</translation>
    </message>
    <message>
        <source>gr</source>
        <translation>g</translation>
    </message>
    <message>
        <source>Inizio</source>
        <translation>Início</translation>
    </message>
</context>
<context>
    <name>kv7::service::Ttabtara</name>
    <message>
        <source>TABELLA TARA</source>
        <translation>TABELA TARA</translation>
    </message>
    <message>
        <source>Rinfresca</source>
        <translation>Atualizar</translation>
    </message>
    <message>
        <source>N.</source>
        <translation>N.º</translation>
    </message>
</context>
<context>
    <name>kv7::stats::TStatistiche</name>
    <message>
        <source>Qualita 1</source>
        <translation>Qualidade 1</translation>
    </message>
    <message>
        <source>Qualita 2</source>
        <translation>Qualidade 2</translation>
    </message>
    <message>
        <source>Qualita 3</source>
        <translation>Qualidade 3</translation>
    </message>
    <message>
        <source>Qualita 4</source>
        <translation>Qualidade 4</translation>
    </message>
    <message>
        <source>Scarto</source>
        <translation>Refugo</translation>
    </message>
    <message>
        <source>Nessuna bolla nel periodo</source>
        <translation>Nenhuma guia no período</translation>
    </message>
    <message>
        <source>Totale</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Calibri: %1</source>
        <translation>Calibres: %1</translation>
    </message>
    <message>
        <source>Andamento settimanale: scegliere un produttore</source>
        <translation>Evolução semanal: escolha um produtor</translation>
    </message>
    <message>
        <source>Andamento settimanale: %1</source>
        <translation>Evolução semanal: %1</translation>
    </message>
    <message>
        <source>Archivio non disponibile</source>
        <translation>Arquivo indisponível</translation>
    </message>
    <message>
        <source>File CSV non scritto: %1</source>
        <translation>Ficheiro CSV não escrito: %1</translation>
    </message>
    <message>
        <source>Scritto %1</source>
        <translation>Escrito %1</translation>
    </message>
    <message>
        <source>Esporta CSV</source>
        <translation>Exportar CSV</translation>
    </message>
    <message>
        <source>File CSV (*.csv)</source>
        <translation>Ficheiros CSV (*.csv)</translation>
    </message>
    <message>
        <source>Statistiche</source>
        <translation>Estatísticas</translation>
    </message>
    <message>
        <source>&amp;Dal:</source>
        <translation>&amp;De:</translation>
    </message>
    <message>
        <source>&amp;Al:</source>
        <translation>&amp;Até:</translation>
    </message>
    <message>
        <source>&amp;Raggruppa per:</source>
        <translation>&amp;Agrupar por:</translation>
    </message>
    <message>
        <source>&amp;Produttore:</source>
        <translation>&amp;Produtor:</translation>
    </message>
    <message>
        <source>Produttore</source>
        <translation>Produtor</translation>
    </message>
    <message>
        <source>Programma</source>
        <translation>Programa</translation>
    </message>
    <message>
        <source>Macchina</source>
        <translation>Máquina</translation>
    </message>
    <message>
        <source>Settimana</source>
        <translation>Semana</translation>
    </message>
    <message>
        <source>A&amp;ggiorna</source>
        <translation>A&amp;tualizar</translation>
    </message>
    <message>
        <source>&amp;Stampa</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>&amp;Esporta CSV</source>
        <translation>E&amp;xportar CSV</translation>
    </message>
    <message>
        <source>&amp;Chiudi</source>
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <source>Gruppo</source>
        <translation>Grupo</translation>
    </message>
    <message>
        <source>Nome</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Bolle</source>
        <translation>Guias</translation>
    </message>
    <message>
        <source>Kg dichiarati</source>
        <translation>Kg declarados</translation>
    </message>
    <message>
        <source>Kg campionati</source>
        <translation>Kg amostrados</translation>
    </message>
    <message>
        <source>Q1 %</source>
        <translation>Q1 %</translation>
    </message>
    <message>
        <source>Q2 %</source>
        <translation>Q2 %</translation>
    </message>
    <message>
        <source>Q3 %</source>
        <translation>Q3 %</translation>
    </message>
    <message>
        <source>Q4 %</source>
        <translation>Q4 %</translation>
    </message>
    <message>
        <source>Scarto %</source>
        <translation>Refugo %</translation>
    </message>
    <message>
        <source>Valore</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Valore/Kg</source>
        <translation>Valor/Kg</translation>
    </message>
</context>
<context>
    <name>kv7::ui::TAboutBox</name>
    <message>
        <source>Informazioni</source>
        <translation>Informações</translation>
    </message>
    <message>
        <source>Versione : %1</source>
        <translation>Versão : %1</translation>
    </message>
    <message>
        <source>Nome Prodotto : %1</source>
        <translation>Nome do produto : %1</translation>
    </message>
</context>
<context>
    <name>kv7::ui::TErr_map</name>
    <message>
        <source>Mappa errori SRD12</source>
        <translation>Mapa de erros SRD12</translation>
    </message>
</context>
<context>
    <name>kv7::ui::THelp</name>
    <message>
        <source>La guida dell&apos;operatore (%1) non è stata trovata in:
%2</source>
        <translation>O guia do operador (%1) não foi encontrado em:
%2</translation>
    </message>
    <message>
        <source>Aiuto - Guida dell&apos;operatore</source>
        <translation>Ajuda - Guia do operador</translation>
    </message>
</context>
<context>
    <name>kv7::ui::TMain</name>
    <message>
        <source>&amp;Bolla N:</source>
        <translation>&amp;Guia n.º:</translation>
    </message>
    <message>
        <source>T&amp;otale Partita kg:</source>
        <translation>T&amp;otal lote kg:</translation>
    </message>
    <message>
        <source>Stampa con totale partita</source>
        <translation>Imprimir com total do lote</translation>
    </message>
    <message>
        <source>Preview stampa</source>
        <translation>Pré-visualizar impressão</translation>
    </message>
    <message>
        <source>Blocco Alimentazione</source>
        <translation>Alimentação bloqueada</translation>
    </message>
    <message>
        <source>Tazza / Tazze bad</source>
        <translation>Copo / Copos com defeito</translation>
    </message>
    <message>
        <source>Calibro</source>
        <translation>Calibre</translation>
    </message>
    <message>
        <source>Peso</source>
        <translation>Peso</translation>
    </message>
    <message>
        <source>Totale</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Totali lavorazione</source>
        <translation>Totais da produção</translation>
    </message>
    <message>
        <source>Scarto</source>
        <translation>Refugo</translation>
    </message>
    <message>
        <source>TOTALE</source>
        <translation>TOTAL</translation>
    </message>
    <message>
        <source>Codici a barre</source>
        <translation>Códigos de barras</translation>
    </message>
    <message>
        <source>Qualita &amp;%1</source>
        <translation>Qualidade &amp;%1</translation>
    </message>
    <message>
        <source>Qualita %1</source>
        <translation>Qualidade %1</translation>
    </message>
    <message>
        <source>Allarme qualita: premere per tacitare</source>
        <translation>Alarme de qualidade: prima para silenciar</translation>
    </message>
    <message>
        <source>&amp;Lavorazione</source>
        <translation>&amp;Produção</translation>
    </message>
    <message>
        <source>&amp;Programmi</source>
        <translation>&amp;Programas</translation>
    </message>
    <message>
        <source>&amp;Bolle</source>
        <translation>&amp;Guias</translation>
    </message>
    <message>
        <source>Pro&amp;duttori</source>
        <translation>Pro&amp;dutores</translation>
    </message>
    <message>
        <source>&amp;Installazione</source>
        <translation>&amp;Instalação</translation>
    </message>
    <message>
        <source>A&amp;ssistenza</source>
        <translation>A&amp;ssistência técnica</translation>
    </message>
    <message>
        <source>S&amp;carti</source>
        <translation>&amp;Refugos</translation>
    </message>
    <message>
        <source>Controllo &amp;Remoto</source>
        <translation>Controlo &amp;remoto</translation>
    </message>
    <message>
        <source>Lin&amp;gua</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>&amp;Aiuto</source>
        <translation>A&amp;juda</translation>
    </message>
    <message>
        <source>Programma  (F2)</source>
        <translation>Programa  (F2)</translation>
    </message>
    <message>
        <source>&amp;Modifica P/U  (F6)</source>
        <translation>&amp;Modificar P/U  (F6)</translation>
    </message>
    <message>
        <source>&amp;Azzeramento   (F8)</source>
        <translation>&amp;Reposição a zero   (F8)</translation>
    </message>
    <message>
        <source>&amp;Dati   (F3)</source>
        <translation>&amp;Dados   (F3)</translation>
    </message>
    <message>
        <source>&amp;Totali</source>
        <translation>&amp;Totais</translation>
    </message>
    <message>
        <source>&amp;Stampa   (F7)</source>
        <translation>&amp;Imprimir   (F7)</translation>
    </message>
    <message>
        <source>&amp;Fine Lavorazione (F9)</source>
        <translation>&amp;Fim do lote (F9)</translation>
    </message>
    <message>
        <source>&amp;Reset Centralina</source>
        <translation>&amp;Reiniciar controlador</translation>
    </message>
    <message>
        <source>&amp;Nuovo</source>
        <translation>&amp;Novo</translation>
    </message>
    <message>
        <source>&amp;Modifica</source>
        <translation>&amp;Modificar</translation>
    </message>
    <message>
        <source>&amp;Cancella</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>&amp;Stampa</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>&amp;Nuova</source>
        <translation>&amp;Nova</translation>
    </message>
    <message>
        <source>esporta per Date</source>
        <translation>exportar por datas</translation>
    </message>
    <message>
        <source>esporta giornaliero</source>
        <translation>exportar do dia</translation>
    </message>
    <message>
        <source>&amp;Azzeramento Bolle</source>
        <translation>&amp;Apagar guias</translation>
    </message>
    <message>
        <source>&amp;Azzera Produttori</source>
        <translation>&amp;Apagar produtores</translation>
    </message>
    <message>
        <source>&amp;Calibratrice</source>
        <translation>&amp;Calibradora</translation>
    </message>
    <message>
        <source>&amp;Programma</source>
        <translation>&amp;Programa</translation>
    </message>
    <message>
        <source>&amp;Salva su Penna USB</source>
        <translation>&amp;Guardar na pen USB</translation>
    </message>
    <message>
        <source>&amp;Ripristina da Penna USB</source>
        <translation>&amp;Restaurar da pen USB</translation>
    </message>
    <message>
        <source>Controllo &amp;CELLE</source>
        <translation>Controlo de &amp;células</translation>
    </message>
    <message>
        <source>&amp;Memorizzato</source>
        <translation>&amp;Pesos memorizados</translation>
    </message>
    <message>
        <source>&amp;Encoder</source>
        <translation>&amp;Encoder</translation>
    </message>
    <message>
        <source>Controllo &amp;Tazze</source>
        <translation>Controlo de &amp;copos</translation>
    </message>
    <message>
        <source>Tabella T&amp;ara</source>
        <translation>Tabela de t&amp;aras</translation>
    </message>
    <message>
        <source>Ca&amp;librazione</source>
        <translation>Ca&amp;libração</translation>
    </message>
    <message>
        <source>&amp;Oscilloscopio</source>
        <translation>&amp;Osciloscópio</translation>
    </message>
    <message>
        <source>Aggiorna Tempi Scarti</source>
        <translation>Atualizar tempos de refugo</translation>
    </message>
    <message>
        <source>Mappa errori SRD12</source>
        <translation>Mapa de erros SRD12</translation>
    </message>
    <message>
        <source>Remoto 1</source>
        <translation>Remoto 1</translation>
    </message>
    <message>
        <source>Remoto 2</source>
        <translation>Remoto 2</translation>
    </message>
    <message>
        <source>Remoto 3</source>
        <translation>Remoto 3</translation>
    </message>
    <message>
        <source>Italiano</source>
        <translation>Italiano</translation>
    </message>
    <message>
        <source>Spagnolo</source>
        <translation>Espanhol</translation>
    </message>
    <message>
        <source>Portoghese</source>
        <translation>Português</translation>
    </message>
    <message>
        <source>Inglese</source>
        <translation>Inglês</translation>
    </message>
    <message>
        <source>Francese</source>
        <translation>Francês</translation>
    </message>
    <message>
        <source>Tedesco</source>
        <translation>Alemão</translation>
    </message>
    <message>
        <source>Greco</source>
        <translation>Grego</translation>
    </message>
    <message>
        <source>Cinese</source>
        <translation>Chinês</translation>
    </message>
    <message>
        <source>Russo</source>
        <translation>Russo</translation>
    </message>
    <message>
        <source>Indiano</source>
        <translation>Hindi</translation>
    </message>
    <message>
        <source>&amp;Informazioni</source>
        <translation>&amp;Informações</translation>
    </message>
    <message>
        <source>&amp;Controllo Aggiornamenti On-line</source>
        <translation>&amp;Procurar atualizações online</translation>
    </message>
    <message>
        <source>&amp;Fine</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;Costi</source>
        <translation>&amp;Custos</translation>
    </message>
    <message>
        <source>Produzione oraria = %1 ql/h</source>
        <translation>Produção horária = %1 ql/h</translation>
    </message>
    <message>
        <source>Costo L. %1   al Kg. L. %2 (%3)</source>
        <translation>Custo L. %1   por Kg. L. %2 (%3)</translation>
    </message>
    <message>
        <source>Qualità %1: % per calibro</source>
        <translation>Qualidade %1: % por calibre</translation>
    </message>
    <message>
        <source>&amp;Azienda</source>
        <translation>&amp;Empresa</translation>
    </message>
    <message>
        <source>Test Ma&amp;gneti</source>
        <translation>Teste í&amp;manes</translation>
    </message>
    <message>
        <source>Impostazioni di stampa non salvate: %1</source>
        <translation>Definições de impressão não guardadas: %1</translation>
    </message>
    <message>
        <source>Costo al Kg. L. %1 %2</source>
        <translation>Custo por Kg. L. %1 %2</translation>
    </message>
    <message>
        <source>S&amp;tatistiche</source>
        <translation>Es&amp;tatísticas</translation>
    </message>
    <message>
        <source>&amp;Listino</source>
        <translation>&amp;Tabela de preços</translation>
    </message>
    <message>
        <source>&amp;Estratto conto stagione</source>
        <translation>&amp;Extrato da temporada</translation>
    </message>
</context>
<context>
    <name>kv7::ui::WholeNumberField</name>
    <message>
        <source>&quot;%1&quot; non è un numero intero: il campo accetta solo numeri interi.</source>
        <translation>&quot;%1&quot; não é um número inteiro: o campo só aceita números inteiros.</translation>
    </message>
</context>
<context>
    <name>kv7::web</name>
    <message>
        <source>Num.</source>
        <translation>N.º</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Macchina %1</source>
        <translation>Máquina %1</translation>
    </message>
    <message>
        <source>Stato</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Programma</source>
        <translation>Programa</translation>
    </message>
    <message>
        <source>Bolla</source>
        <translation>Guia</translation>
    </message>
    <message>
        <source>Produttore</source>
        <translation>Produtor</translation>
    </message>
    <message>
        <source>Nome</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Macchina</source>
        <translation>Máquina</translation>
    </message>
    <message>
        <source>Kg dichiarati</source>
        <translation>Kg declarados</translation>
    </message>
    <message>
        <source>Data non valida (AAAA-MM-GG)</source>
        <translation>Data inválida (AAAA-MM-DD)</translation>
    </message>
    <message>
        <source>Macchina non valida</source>
        <translation>Máquina inválida</translation>
    </message>
    <message>
        <source>Dal</source>
        <translation>De</translation>
    </message>
    <message>
        <source>Al</source>
        <translation>Até</translation>
    </message>
    <message>
        <source>Filtra</source>
        <translation>Filtrar</translation>
    </message>
    <message>
        <source>Kg campionati</source>
        <translation>Kg amostrados</translation>
    </message>
    <message>
        <source>Prima</source>
        <translation>Primeira</translation>
    </message>
    <message>
        <source>Precedente</source>
        <translation>Anterior</translation>
    </message>
    <message>
        <source>Pagina %1 di %2 (%3 bolle)</source>
        <translation>Página %1 de %2 (%3 guias)</translation>
    </message>
    <message>
        <source>Successiva</source>
        <translation>Seguinte</translation>
    </message>
    <message>
        <source>Ultima</source>
        <translation>Última</translation>
    </message>
    <message>
        <source>Scarica CSV</source>
        <translation>Descarregar CSV</translation>
    </message>
    <message>
        <source>Nessuna bolla</source>
        <translation>Nenhuma guia</translation>
    </message>
    <message>
        <source>Bolle</source>
        <translation>Guias</translation>
    </message>
    <message>
        <source>Archivio non disponibile</source>
        <translation>Arquivo indisponível</translation>
    </message>
    <message>
        <source>Registrazione</source>
        <translation>Registo</translation>
    </message>
    <message>
        <source>Lotto</source>
        <translation>Lote</translation>
    </message>
    <message>
        <source>Operatore</source>
        <translation>Operador</translation>
    </message>
    <message>
        <source>Casse</source>
        <translation>Caixas</translation>
    </message>
    <message>
        <source>Pedane</source>
        <translation>Paletes</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>Modificata il</source>
        <translation>Modificado em</translation>
    </message>
    <message>
        <source>Qualità</source>
        <translation>Qualidade</translation>
    </message>
    <message>
        <source>Calibro</source>
        <translation>Calibre</translation>
    </message>
    <message>
        <source>Peso</source>
        <translation>Peso</translation>
    </message>
    <message>
        <source>Totale qualità</source>
        <translation>Total qualidade</translation>
    </message>
    <message>
        <source>Scarto</source>
        <translation>Refugo</translation>
    </message>
    <message>
        <source>Totale generale</source>
        <translation>Total geral</translation>
    </message>
    <message>
        <source>Listino dal</source>
        <translation>Tabela desde</translation>
    </message>
    <message>
        <source>Valore</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Prezzo medio al Kg</source>
        <translation>Preço médio por Kg</translation>
    </message>
    <message>
        <source>Kg valutati</source>
        <translation>Kg valorizados</translation>
    </message>
    <message>
        <source>Senza prezzo</source>
        <translation>Sem preço</translation>
    </message>
    <message>
        <source>Modifiche</source>
        <translation>Alterações</translation>
    </message>
    <message>
        <source>Nessuna modifica</source>
        <translation>Nenhuma alteração</translation>
    </message>
    <message>
        <source>Quando</source>
        <translation>Quando</translation>
    </message>
    <message>
        <source>Utente</source>
        <translation>Utilizador</translation>
    </message>
    <message>
        <source>Finestra</source>
        <translation>Janela</translation>
    </message>
    <message>
        <source>Azione</source>
        <translation>Ação</translation>
    </message>
    <message>
        <source>Numero di bolla non valido</source>
        <translation>Número de guia inválido</translation>
    </message>
    <message>
        <source>Bolla non trovata</source>
        <translation>Guia não encontrada</translation>
    </message>
    <message>
        <source>Il programma %1 della bolla non è più in archivio</source>
        <translation>O programa %1 da guia já não está no arquivo</translation>
    </message>
    <message>
        <source>Pesi campionati</source>
        <translation>Pesos amostrados</translation>
    </message>
    <message>
        <source>Sul peso dichiarato</source>
        <translation>Sobre o peso declarado</translation>
    </message>
    <message>
        <source>Bolla %1</source>
        <translation>Guia %1</translation>
    </message>
    <message>
        <source>Raggruppamento non valido</source>
        <translation>Agrupamento inválido</translation>
    </message>
    <message>
        <source>Raggruppa per</source>
        <translation>Agrupar por</translation>
    </message>
    <message>
        <source>Settimana</source>
        <translation>Semana</translation>
    </message>
    <message>
        <source>Mostra</source>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source>Produzione (kg/h)</source>
        <translation>Produção (kg/h)</translation>
    </message>
    <message>
        <source>Tazze al minuto</source>
        <translation>Copos por minuto</translation>
    </message>
    <message>
        <source>Bolle in attesa</source>
        <translation>Guias em espera</translation>
    </message>
    <message>
        <source>Ultimo aggiornamento</source>
        <translation>Última atualização</translation>
    </message>
    <message>
        <source>non risponde</source>
        <translation>não responde</translation>
    </message>
    <message>
        <source>Qualità %1</source>
        <translation>Qualidade %1</translation>
    </message>
    <message>
        <source>Gruppo</source>
        <translation>Grupo</translation>
    </message>
    <message>
        <source>Valore al Kg</source>
        <translation>Valor por Kg</translation>
    </message>
    <message>
        <source>Totale</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Nessuna bolla nel periodo</source>
        <translation>Nenhuma guia no período</translation>
    </message>
    <message>
        <source>Qualità per gruppo</source>
        <translation>Qualidade por grupo</translation>
    </message>
    <message>
        <source>Distribuzione per calibro: %1</source>
        <translation>Distribuição por calibre: %1</translation>
    </message>
    <message>
        <source>Nessuna macchina ha ancora scritto il suo stato</source>
        <translation>Nenhuma máquina escreveu ainda o seu estado</translation>
    </message>
    <message>
        <source>Archivio non raggiungibile</source>
        <translation>Arquivo inacessível</translation>
    </message>
    <message>
        <source>Aggiornamento interrotto: nuovo tentativo in corso</source>
        <translation>Atualização interrompida: nova tentativa em curso</translation>
    </message>
    <message>
        <source>Accesso</source>
        <translation>Acesso</translation>
    </message>
    <message>
        <source>Utente o password errati</source>
        <translation>Utilizador ou senha errados</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Senha</translation>
    </message>
    <message>
        <source>Entra</source>
        <translation>Entrar</translation>
    </message>
    <message>
        <source>Macchine</source>
        <translation>Máquinas</translation>
    </message>
    <message>
        <source>Pagina non trovata</source>
        <translation>Página não encontrada</translation>
    </message>
    <message>
        <source>Lingua</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Cambia</source>
        <translation>Alterar</translation>
    </message>
    <message>
        <source>Statistiche</source>
        <translation>Estatísticas</translation>
    </message>
    <message>
        <source>Manca il produttore</source>
        <translation>Falta o produtor</translation>
    </message>
    <message>
        <source>Errore</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>Valori prima</source>
        <translation>Valores antes</translation>
    </message>
    <message>
        <source>Valori dopo</source>
        <translation>Valores depois</translation>
    </message>
    <message>
        <source>Esci</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Q%1 C%2</source>
        <translation>Q%1 C%2</translation>
    </message>
</context>
</TS>
