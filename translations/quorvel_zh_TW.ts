<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="en">
<context>
    <name>AboutBox</name>
    <message>
        <source>Version %1</source>
        <extracomment>%1 the version number (&quot;1.0&quot;)</extracomment>
        <translation>版本 %1</translation>
    </message>
    <message>
        <source>By the Quorvel team</source>
        <extracomment>second line of the About box</extracomment>
        <translation>Quorvel 團隊製作</translation>
    </message>
    <message>
        <source>Made with Qt</source>
        <extracomment>third line of the About box</extracomment>
        <translation>使用 Qt 開發</translation>
    </message>
    <message>
        <source>About Quorvel</source>
        <extracomment>the About box&apos;s caption (also Help &gt; About&apos;s box title)</extracomment>
        <translation>關於 Quorvel</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>the About box&apos;s only button</extracomment>
        <translation>確定</translation>
    </message>
</context>
<context>
    <name>Badge</name>
    <message>
        <source>Bust</source>
        <extracomment>over 21: the hand has lost. Drawn on a badge; the badge is as wide as the word (at most about 120 pixels)</extracomment>
        <translation>爆牌</translation>
    </message>
    <message>
        <source>Win</source>
        <extracomment>the hand beat the dealer. Drawn on a badge</extracomment>
        <translation>贏</translation>
    </message>
    <message>
        <source>lose</source>
        <extracomment>the hand lost to the dealer. Drawn on a badge</extracomment>
        <translation>輸</translation>
    </message>
    <message>
        <source>Natural</source>
        <extracomment>a two-card 21 (blackjack). Drawn on a badge</extracomment>
        <translation>黑傑克</translation>
    </message>
    <message>
        <source>Push</source>
        <extracomment>equal totals, the stake is returned. Drawn on a badge</extracomment>
        <translation>平手</translation>
    </message>
</context>
<context>
    <name>Buttons</name>
    <message>
        <source>Deal</source>
        <extracomment>a 95 x 25 button: about 85 pixels</extracomment>
        <translation>發牌</translation>
    </message>
    <message>
        <source>Hit</source>
        <extracomment>take another card; a 95 x 25 button</extracomment>
        <translation>要牌</translation>
    </message>
    <message>
        <source>Stand</source>
        <extracomment>take no more cards; a 95 x 25 button</extracomment>
        <translation>停牌</translation>
    </message>
    <message>
        <source>Split</source>
        <extracomment>split a pair into two hands; a 95 x 25 button</extracomment>
        <translation>分牌</translation>
    </message>
    <message>
        <source>Double</source>
        <extracomment>double the stake and take one card; a 95 x 25 button</extracomment>
        <translation>加倍</translation>
    </message>
    <message>
        <source>Bet One</source>
        <extracomment>a 70 x 18 button that adds 1 to the bet: about 60 pixels</extracomment>
        <translation>下注 1</translation>
    </message>
    <message>
        <source>Bet Five</source>
        <extracomment>a 70 x 18 button that adds 5 to the bet: about 60 pixels</extracomment>
        <translation>下注 5</translation>
    </message>
    <message>
        <source>Bet Ten</source>
        <extracomment>a 70 x 18 button that adds 10 to the bet: about 60 pixels</extracomment>
        <translation>下注 10</translation>
    </message>
    <message>
        <source>Clear</source>
        <extracomment>a 70 x 18 button that sets the bet back to 5: about 60 pixels</extracomment>
        <translation>清除</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>File</source>
        <extracomment>the menu bar&apos;s first menu</extracomment>
        <translation>檔案</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>File menu: ends the game</extracomment>
        <translation>結束</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>the menu bar&apos;s second menu</extracomment>
        <translation>說明</translation>
    </message>
    <message>
        <source>About</source>
        <extracomment>Help menu: opens the About box</extracomment>
        <translation>關於</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>ace</source>
        <extracomment>a card&apos;s rank, put into &quot;%1 of %2&quot;</extracomment>
        <translation>A</translation>
    </message>
    <message>
        <source>two</source>
        <extracomment>a card&apos;s rank</extracomment>
        <translation>二</translation>
    </message>
    <message>
        <source>three</source>
        <extracomment>a card&apos;s rank</extracomment>
        <translation>三</translation>
    </message>
    <message>
        <source>four</source>
        <extracomment>a card&apos;s rank</extracomment>
        <translation>四</translation>
    </message>
    <message>
        <source>five</source>
        <extracomment>a card&apos;s rank</extracomment>
        <translation>五</translation>
    </message>
    <message>
        <source>six</source>
        <extracomment>a card&apos;s rank</extracomment>
        <translation>六</translation>
    </message>
    <message>
        <source>seven</source>
        <extracomment>a card&apos;s rank</extracomment>
        <translation>七</translation>
    </message>
    <message>
        <source>eight</source>
        <extracomment>a card&apos;s rank</extracomment>
        <translation>八</translation>
    </message>
    <message>
        <source>nine</source>
        <extracomment>a card&apos;s rank</extracomment>
        <translation>九</translation>
    </message>
    <message>
        <source>ten</source>
        <extracomment>a card&apos;s rank</extracomment>
        <translation>十</translation>
    </message>
    <message>
        <source>jack</source>
        <extracomment>a card&apos;s rank</extracomment>
        <translation>J</translation>
    </message>
    <message>
        <source>queen</source>
        <extracomment>a card&apos;s rank</extracomment>
        <translation>Q</translation>
    </message>
    <message>
        <source>king</source>
        <extracomment>a card&apos;s rank</extracomment>
        <translation>K</translation>
    </message>
    <message>
        <source>clubs</source>
        <extracomment>a card&apos;s suit, put into &quot;%1 of %2&quot;</extracomment>
        <translation>梅花</translation>
    </message>
    <message>
        <source>diamonds</source>
        <extracomment>a card&apos;s suit</extracomment>
        <translation>方塊</translation>
    </message>
    <message>
        <source>hearts</source>
        <extracomment>a card&apos;s suit</extracomment>
        <translation>紅心</translation>
    </message>
    <message>
        <source>spades</source>
        <extracomment>a card&apos;s suit</extracomment>
        <translation>黑桃</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>a card&apos;s name: %1 its rank (&quot;ten&quot;), %2 its suit (&quot;hearts&quot;)</extracomment>
        <translation>%2%1</translation>
    </message>
    <message>
        <source>an unknown card</source>
        <extracomment>never expected: a card the game cannot name</extracomment>
        <translation>一張未知的牌</translation>
    </message>
    <message>
        <source>a face-down card</source>
        <extracomment>the dealer&apos;s hole card before it is turned</extracomment>
        <translation>一張暗牌</translation>
    </message>
    <message>
        <source>no cards</source>
        <extracomment>a hand that holds no cards, put in place of the cards: &quot;Dealers Hand: no cards.&quot;</extracomment>
        <translation>沒有牌</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>a list of cards: %1 the cards so far, %2 the next one (&quot;ten of hearts, six of diamonds&quot;)</extracomment>
        <translation>%1、%2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>two spoken sentences one after the other: %1 the first, %2 the next</extracomment>
        <translation>%1%2</translation>
    </message>
    <message>
        <source>Card table</source>
        <extracomment>the name of the table picture, as the screen reader says it</extracomment>
        <translation>牌桌</translation>
    </message>
    <message>
        <source>Dealers Hand: %1.</source>
        <comment>cards</comment>
        <extracomment>the dealer&apos;s cards: %1 the cards (&quot;a face-down card, eight of spades&quot;)</extracomment>
        <translation>莊家手牌：%1。</translation>
    </message>
    <message>
        <source>Players Hand: %1.</source>
        <comment>cards</comment>
        <extracomment>the player&apos;s cards: %1 the cards</extracomment>
        <translation>玩家手牌：%1。</translation>
    </message>
    <message>
        <source>Split Hand: %1.</source>
        <comment>cards</comment>
        <extracomment>the second hand&apos;s cards after a split: %1 the cards</extracomment>
        <translation>第二手牌：%1。</translation>
    </message>
    <message>
        <source>Dealers Hand: %1, %2.</source>
        <extracomment>the dealer&apos;s cards and result: %1 the cards, %2 the result (&quot;Bust&quot;)</extracomment>
        <translation>莊家手牌：%1，%2。</translation>
    </message>
    <message>
        <source>Players Hand: %1, %2.</source>
        <extracomment>the player&apos;s cards and result: %1 the cards, %2 the result (&quot;Win&quot;)</extracomment>
        <translation>玩家手牌：%1，%2。</translation>
    </message>
    <message>
        <source>Split Hand: %1, %2.</source>
        <extracomment>the second hand&apos;s cards and result: %1 the cards, %2 the result</extracomment>
        <translation>第二手牌：%1，%2。</translation>
    </message>
    <message>
        <source>Dealers Hand gets %1.</source>
        <extracomment>the dealer was just dealt %1 (one or more cards)</extracomment>
        <translation>莊家拿到%1。</translation>
    </message>
    <message>
        <source>Players Hand gets %1.</source>
        <extracomment>the player was just dealt %1 (one or more cards)</extracomment>
        <translation>玩家拿到%1。</translation>
    </message>
    <message>
        <source>Split Hand gets %1.</source>
        <extracomment>the second hand was just dealt %1</extracomment>
        <translation>第二手牌拿到%1。</translation>
    </message>
    <message>
        <source>Dealers Hand: %1.</source>
        <comment>result</comment>
        <extracomment>the dealer&apos;s hand was just settled: %1 its result (&quot;Bust&quot;)</extracomment>
        <translation>莊家手牌：%1。</translation>
    </message>
    <message>
        <source>Players Hand: %1.</source>
        <comment>result</comment>
        <extracomment>the player&apos;s hand was just settled: %1 its result (&quot;Win&quot;)</extracomment>
        <translation>玩家手牌：%1。</translation>
    </message>
    <message>
        <source>Split Hand: %1.</source>
        <comment>result</comment>
        <extracomment>the second hand was just settled: %1 its result</extracomment>
        <translation>第二手牌：%1。</translation>
    </message>
    <message>
        <source>Dealers Count %1.</source>
        <extracomment>the dealer&apos;s total</extracomment>
        <translation>莊家點數：%1。</translation>
    </message>
    <message>
        <source>Players Count %1.</source>
        <extracomment>the player&apos;s total</extracomment>
        <translation>玩家點數：%1。</translation>
    </message>
    <message>
        <source>Split Count %1.</source>
        <extracomment>the second hand&apos;s total</extracomment>
        <translation>第二手牌點數：%1。</translation>
    </message>
    <message>
        <source>Current Bet %1.</source>
        <extracomment>the stake</extracomment>
        <translation>目前下注：%1。</translation>
    </message>
    <message>
        <source>Money %1.</source>
        <extracomment>the player&apos;s bank</extracomment>
        <translation>資金：%1。</translation>
    </message>
    <message>
        <source>Bust</source>
        <extracomment>spoken result: the hand went over 21 and lost</extracomment>
        <translation>爆牌</translation>
    </message>
    <message>
        <source>Win</source>
        <extracomment>spoken result: the hand beat the dealer</extracomment>
        <translation>贏了</translation>
    </message>
    <message>
        <source>lose</source>
        <extracomment>spoken result: the hand lost to the dealer</extracomment>
        <translation>輸了</translation>
    </message>
    <message>
        <source>Natural</source>
        <extracomment>spoken result: a two-card 21 (blackjack)</extracomment>
        <translation>黑傑克</translation>
    </message>
    <message>
        <source>Push</source>
        <extracomment>spoken result: equal totals, the stake is returned</extracomment>
        <translation>平手</translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>Dealers Hand</source>
        <extracomment>drawn above the dealer&apos;s cards; up to 290 pixels</extracomment>
        <translation>莊家手牌</translation>
    </message>
    <message>
        <source>Players Hand</source>
        <extracomment>drawn above the player&apos;s cards; at most 285 pixels</extracomment>
        <translation>玩家手牌</translation>
    </message>
    <message>
        <source>Split Hand</source>
        <extracomment>drawn above the second hand after a split; up to 290 pixels</extracomment>
        <translation>第二手牌</translation>
    </message>
    <message>
        <source>Dealers Count</source>
        <extracomment>count panel, before the dealer&apos;s total: at most 106 pixels</extracomment>
        <translation>莊家點數</translation>
    </message>
    <message>
        <source>Players Count</source>
        <extracomment>count panel, before the player&apos;s total: at most 106 pixels</extracomment>
        <translation>玩家點數</translation>
    </message>
    <message>
        <source>Split Count</source>
        <extracomment>count panel, before the split hand&apos;s total: at most 106 pixels</extracomment>
        <translation>第二手牌點數</translation>
    </message>
    <message>
        <source>Current Bet</source>
        <extracomment>before the stake&apos;s figure: at most 80 pixels</extracomment>
        <translation>目前下注</translation>
    </message>
    <message>
        <source>Money</source>
        <extracomment>in the gap of the Money box&apos;s frame: at most 46 pixels</extracomment>
        <translation>資金</translation>
    </message>
</context>
</TS>
