<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>AboutBox</name>
    <message>
        <source>Version %1</source>
        <extracomment>%1 the version number (&quot;1.0&quot;)</extracomment>
        <translation>Versão %1</translation>
    </message>
    <message>
        <source>By the Quorvel team</source>
        <extracomment>second line of the About box</extracomment>
        <translation>Pela equipe Quorvel</translation>
    </message>
    <message>
        <source>Made with Qt</source>
        <extracomment>third line of the About box</extracomment>
        <translation>Feito com Qt</translation>
    </message>
    <message>
        <source>About Quorvel</source>
        <extracomment>the About box&apos;s caption (also Help &gt; About&apos;s box title)</extracomment>
        <translation>Sobre o Quorvel</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>the About box&apos;s only button</extracomment>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>Badge</name>
    <message>
        <source>Bust</source>
        <extracomment>over 21: the hand has lost. Drawn on a badge; the badge is as wide as the word (at most about 120 pixels)</extracomment>
        <translation>Estourou</translation>
    </message>
    <message>
        <source>Win</source>
        <extracomment>the hand beat the dealer. Drawn on a badge</extracomment>
        <translation>Ganhou</translation>
    </message>
    <message>
        <source>lose</source>
        <extracomment>the hand lost to the dealer. Drawn on a badge</extracomment>
        <translation>Perdeu</translation>
    </message>
    <message>
        <source>Natural</source>
        <extracomment>a two-card 21 (blackjack). Drawn on a badge</extracomment>
        <translation>Blackjack</translation>
    </message>
    <message>
        <source>Push</source>
        <extracomment>equal totals, the stake is returned. Drawn on a badge</extracomment>
        <translation>Empate</translation>
    </message>
</context>
<context>
    <name>Buttons</name>
    <message>
        <source>Deal</source>
        <extracomment>a 95 x 25 button: about 85 pixels</extracomment>
        <translation>Distribuir</translation>
    </message>
    <message>
        <source>Hit</source>
        <extracomment>take another card; a 95 x 25 button</extracomment>
        <translation>Pedir</translation>
    </message>
    <message>
        <source>Stand</source>
        <extracomment>take no more cards; a 95 x 25 button</extracomment>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Split</source>
        <extracomment>split a pair into two hands; a 95 x 25 button</extracomment>
        <translation>Dividir</translation>
    </message>
    <message>
        <source>Double</source>
        <extracomment>double the stake and take one card; a 95 x 25 button</extracomment>
        <translation>Dobrar</translation>
    </message>
    <message>
        <source>Bet One</source>
        <extracomment>a 70 x 18 button that adds 1 to the bet: about 60 pixels</extracomment>
        <translation>Mais 1</translation>
    </message>
    <message>
        <source>Bet Five</source>
        <extracomment>a 70 x 18 button that adds 5 to the bet: about 60 pixels</extracomment>
        <translation>Mais 5</translation>
    </message>
    <message>
        <source>Bet Ten</source>
        <extracomment>a 70 x 18 button that adds 10 to the bet: about 60 pixels</extracomment>
        <translation>Mais 10</translation>
    </message>
    <message>
        <source>Clear</source>
        <extracomment>a 70 x 18 button that sets the bet back to 5: about 60 pixels</extracomment>
        <translation>Limpar</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>File</source>
        <extracomment>the menu bar&apos;s first menu</extracomment>
        <translation>Arquivo</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>File menu: ends the game</extracomment>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>the menu bar&apos;s second menu</extracomment>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>About</source>
        <extracomment>Help menu: opens the About box</extracomment>
        <translation>Sobre</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>ace</source>
        <extracomment>a card&apos;s rank, put into &quot;%1 of %2&quot;</extracomment>
        <translation>ás</translation>
    </message>
    <message>
        <source>two</source>
        <extracomment>a card&apos;s rank</extracomment>
        <translation>dois</translation>
    </message>
    <message>
        <source>three</source>
        <extracomment>a card&apos;s rank</extracomment>
        <translation>três</translation>
    </message>
    <message>
        <source>four</source>
        <extracomment>a card&apos;s rank</extracomment>
        <translation>quatro</translation>
    </message>
    <message>
        <source>five</source>
        <extracomment>a card&apos;s rank</extracomment>
        <translation>cinco</translation>
    </message>
    <message>
        <source>six</source>
        <extracomment>a card&apos;s rank</extracomment>
        <translation>seis</translation>
    </message>
    <message>
        <source>seven</source>
        <extracomment>a card&apos;s rank</extracomment>
        <translation>sete</translation>
    </message>
    <message>
        <source>eight</source>
        <extracomment>a card&apos;s rank</extracomment>
        <translation>oito</translation>
    </message>
    <message>
        <source>nine</source>
        <extracomment>a card&apos;s rank</extracomment>
        <translation>nove</translation>
    </message>
    <message>
        <source>ten</source>
        <extracomment>a card&apos;s rank</extracomment>
        <translation>dez</translation>
    </message>
    <message>
        <source>jack</source>
        <extracomment>a card&apos;s rank</extracomment>
        <translation>valete</translation>
    </message>
    <message>
        <source>queen</source>
        <extracomment>a card&apos;s rank</extracomment>
        <translation>dama</translation>
    </message>
    <message>
        <source>king</source>
        <extracomment>a card&apos;s rank</extracomment>
        <translation>rei</translation>
    </message>
    <message>
        <source>clubs</source>
        <extracomment>a card&apos;s suit, put into &quot;%1 of %2&quot;</extracomment>
        <translation>paus</translation>
    </message>
    <message>
        <source>diamonds</source>
        <extracomment>a card&apos;s suit</extracomment>
        <translation>ouros</translation>
    </message>
    <message>
        <source>hearts</source>
        <extracomment>a card&apos;s suit</extracomment>
        <translation>copas</translation>
    </message>
    <message>
        <source>spades</source>
        <extracomment>a card&apos;s suit</extracomment>
        <translation>espadas</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>a card&apos;s name: %1 its rank (&quot;ten&quot;), %2 its suit (&quot;hearts&quot;)</extracomment>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>an unknown card</source>
        <extracomment>never expected: a card the game cannot name</extracomment>
        <translation>uma carta desconhecida</translation>
    </message>
    <message>
        <source>a face-down card</source>
        <extracomment>the dealer&apos;s hole card before it is turned</extracomment>
        <translation>uma carta virada para baixo</translation>
    </message>
    <message>
        <source>no cards</source>
        <extracomment>a hand that holds no cards, put in place of the cards: &quot;Dealers Hand: no cards.&quot;</extracomment>
        <translation>nenhuma carta</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>a list of cards: %1 the cards so far, %2 the next one (&quot;ten of hearts, six of diamonds&quot;)</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>two spoken sentences one after the other: %1 the first, %2 the next</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Card table</source>
        <extracomment>the name of the table picture, as the screen reader says it</extracomment>
        <translation>Mesa de cartas</translation>
    </message>
    <message>
        <source>Dealers Hand: %1.</source>
        <comment>cards</comment>
        <extracomment>the dealer&apos;s cards: %1 the cards (&quot;a face-down card, eight of spades&quot;)</extracomment>
        <translation>Mão do crupiê: %1.</translation>
    </message>
    <message>
        <source>Players Hand: %1.</source>
        <comment>cards</comment>
        <extracomment>the player&apos;s cards: %1 the cards</extracomment>
        <translation>Mão do jogador: %1.</translation>
    </message>
    <message>
        <source>Split Hand: %1.</source>
        <comment>cards</comment>
        <extracomment>the second hand&apos;s cards after a split: %1 the cards</extracomment>
        <translation>Segunda mão: %1.</translation>
    </message>
    <message>
        <source>Dealers Hand: %1, %2.</source>
        <extracomment>the dealer&apos;s cards and result: %1 the cards, %2 the result (&quot;Bust&quot;)</extracomment>
        <translation>Mão do crupiê: %1. Resultado: %2.</translation>
    </message>
    <message>
        <source>Players Hand: %1, %2.</source>
        <extracomment>the player&apos;s cards and result: %1 the cards, %2 the result (&quot;Win&quot;)</extracomment>
        <translation>Mão do jogador: %1. Resultado: %2.</translation>
    </message>
    <message>
        <source>Split Hand: %1, %2.</source>
        <extracomment>the second hand&apos;s cards and result: %1 the cards, %2 the result</extracomment>
        <translation>Segunda mão: %1. Resultado: %2.</translation>
    </message>
    <message>
        <source>Dealers Hand gets %1.</source>
        <extracomment>the dealer was just dealt %1 (one or more cards)</extracomment>
        <translation>O crupiê recebe %1.</translation>
    </message>
    <message>
        <source>Players Hand gets %1.</source>
        <extracomment>the player was just dealt %1 (one or more cards)</extracomment>
        <translation>O jogador recebe %1.</translation>
    </message>
    <message>
        <source>Split Hand gets %1.</source>
        <extracomment>the second hand was just dealt %1</extracomment>
        <translation>A segunda mão recebe %1.</translation>
    </message>
    <message>
        <source>Dealers Hand: %1.</source>
        <comment>result</comment>
        <extracomment>the dealer&apos;s hand was just settled: %1 its result (&quot;Bust&quot;)</extracomment>
        <translation>Resultado da mão do crupiê: %1.</translation>
    </message>
    <message>
        <source>Players Hand: %1.</source>
        <comment>result</comment>
        <extracomment>the player&apos;s hand was just settled: %1 its result (&quot;Win&quot;)</extracomment>
        <translation>Resultado da mão do jogador: %1.</translation>
    </message>
    <message>
        <source>Split Hand: %1.</source>
        <comment>result</comment>
        <extracomment>the second hand was just settled: %1 its result</extracomment>
        <translation>Resultado da segunda mão: %1.</translation>
    </message>
    <message>
        <source>Dealers Count %1.</source>
        <extracomment>the dealer&apos;s total</extracomment>
        <translation>Total do crupiê: %1.</translation>
    </message>
    <message>
        <source>Players Count %1.</source>
        <extracomment>the player&apos;s total</extracomment>
        <translation>Total do jogador: %1.</translation>
    </message>
    <message>
        <source>Split Count %1.</source>
        <extracomment>the second hand&apos;s total</extracomment>
        <translation>Total da segunda mão: %1.</translation>
    </message>
    <message>
        <source>Current Bet %1.</source>
        <extracomment>the stake</extracomment>
        <translation>Aposta atual: %1.</translation>
    </message>
    <message>
        <source>Money %1.</source>
        <extracomment>the player&apos;s bank</extracomment>
        <translation>Saldo: %1.</translation>
    </message>
    <message>
        <source>Bust</source>
        <extracomment>spoken result: the hand went over 21 and lost</extracomment>
        <translation>estouro</translation>
    </message>
    <message>
        <source>Win</source>
        <extracomment>spoken result: the hand beat the dealer</extracomment>
        <translation>vitória</translation>
    </message>
    <message>
        <source>lose</source>
        <extracomment>spoken result: the hand lost to the dealer</extracomment>
        <translation>derrota</translation>
    </message>
    <message>
        <source>Natural</source>
        <extracomment>spoken result: a two-card 21 (blackjack)</extracomment>
        <translation>blackjack</translation>
    </message>
    <message>
        <source>Push</source>
        <extracomment>spoken result: equal totals, the stake is returned</extracomment>
        <translation>empate</translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>Dealers Hand</source>
        <extracomment>drawn above the dealer&apos;s cards; up to 290 pixels</extracomment>
        <translation>Mão do crupiê</translation>
    </message>
    <message>
        <source>Players Hand</source>
        <extracomment>drawn above the player&apos;s cards; at most 285 pixels</extracomment>
        <translation>Mão do jogador</translation>
    </message>
    <message>
        <source>Split Hand</source>
        <extracomment>drawn above the second hand after a split; up to 290 pixels</extracomment>
        <translation>Segunda mão</translation>
    </message>
    <message>
        <source>Dealers Count</source>
        <extracomment>count panel, before the dealer&apos;s total: at most 106 pixels</extracomment>
        <translation>Total do crupiê</translation>
    </message>
    <message>
        <source>Players Count</source>
        <extracomment>count panel, before the player&apos;s total: at most 106 pixels</extracomment>
        <translation>Total do jogador</translation>
    </message>
    <message>
        <source>Split Count</source>
        <extracomment>count panel, before the split hand&apos;s total: at most 106 pixels</extracomment>
        <translation>Total da 2ª mão</translation>
    </message>
    <message>
        <source>Current Bet</source>
        <extracomment>before the stake&apos;s figure: at most 80 pixels</extracomment>
        <translation>Aposta atual</translation>
    </message>
    <message>
        <source>Money</source>
        <extracomment>in the gap of the Money box&apos;s frame: at most 46 pixels</extracomment>
        <translation>Saldo</translation>
    </message>
</context>
</TS>
