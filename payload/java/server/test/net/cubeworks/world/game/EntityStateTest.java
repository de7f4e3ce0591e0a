package net.cubeworks.world.game;

import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertFalse;
import static org.junit.Assert.assertNull;
import static org.junit.Assert.assertSame;
import static org.junit.Assert.assertTrue;
import static org.junit.Assert.fail;

import java.util.ArrayList;
import java.util.Arrays;
import java.util.Collection;
import java.util.HashSet;
import java.util.List;

import org.bukkit.Achievement;
import org.bukkit.Material;
import org.bukkit.Statistic;
import org.bukkit.conversations.Conversable;
import org.bukkit.conversations.Conversation;
import org.bukkit.conversations.ConversationAbandonedEvent;
import org.bukkit.conversations.ConversationAbandonedListener;
import org.bukkit.conversations.ConversationContext;
import org.bukkit.conversations.ConversationFactory;
import org.bukkit.conversations.NumericPrompt;
import org.bukkit.conversations.Prompt;
import org.bukkit.conversations.StringPrompt;
import org.bukkit.entity.EntityType;
import org.bukkit.plugin.Plugin;
import org.bukkit.potion.Potion;
import org.bukkit.potion.PotionEffect;
import org.bukkit.potion.PotionEffectType;
import org.bukkit.potion.PotionType;
import org.bukkit.scoreboard.DisplaySlot;
import org.bukkit.scoreboard.Objective;
import org.bukkit.scoreboard.Team;
import org.junit.Test;

import net.cubeworks.world.fixture.ApiServer;
import net.cubeworks.world.game.api.ApiScoreboard;
import net.cubeworks.world.game.block.Explosions;
import net.cubeworks.world.game.entity.PlayerEffects;
import net.cubeworks.world.game.entity.PotionKinds;
import net.cubeworks.world.game.entity.Sight;
import net.cubeworks.world.game.player.Conversations;
import net.cubeworks.world.game.player.PlayerStats;

/** The per-player state behind the entity API: sight lines, effects, statistics, conversations, scoreboards. */
public class EntityStateTest {
    /** A flat world: stone up to y 3, a wall of stone at z 10, air elsewhere; glass (20) at x 5. */
    private static final Sight.Blocks WORLD = new Sight.Blocks() {
        public int idAt(int x, int y, int z) {
            if (y <= 3 || z == 10) {
                return 1;
            }
            return x == 5 && y == 5 ? 20 : 0;
        }
    };

    private static String cells(List<int[]> cells) {
        StringBuilder b = new StringBuilder();
        for (int[] c : cells) {
            b.append(c[0]).append(',').append(c[1]).append(',').append(c[2]).append(' ');
        }
        return b.toString().trim();
    }

    @Test
    public void aLookPassesEveryBlockUpToTheFirstThatStopsIt() {
        // yaw 0 looks along +z: from z 0.5 the eye meets the wall at z 10
        List<int[]> line = Sight.trace(WORLD, 0.5, 5.5, 0.5, 0f, 0f, 50, null, 0);
        assertEquals(11, line.size());
        assertEquals("0,5,10", cells(line.subList(10, 11)));
        assertEquals("0,5,9 0,5,10", cells(Sight.trace(WORLD, 0.5, 5.5, 0.5, 0f, 0f, 50, null, 2)));
        // not as far as the wall: the line ends after the distance, on air
        List<int[]> shortLine = Sight.trace(WORLD, 0.5, 5.5, 0.5, 0f, 0f, 4, null, 1);
        assertEquals("0,5,4", cells(shortLine));
        // looking straight down stops at the ground
        assertEquals("0,3,0", cells(Sight.trace(WORLD, 0.5, 5.5, 0.5, 0f, 90f, 50, null, 1)));
        // yaw 270 looks along +x: glass stops the eye unless it is named see-through
        assertEquals("5,5,0", cells(Sight.trace(WORLD, 0.5, 5.5, 0.5, 270f, 0f, 20, null, 1)));
        HashSet<Byte> glassToo = new HashSet<Byte>(Arrays.asList((byte) 0, (byte) 20));
        assertEquals("20,5,0", cells(Sight.trace(WORLD, 0.5, 5.5, 0.5, 270f, 0f, 20, glassToo, 1)));
        // a diagonal look enters blocks one face at a time, never skipping a corner
        List<int[]> diagonal = Sight.trace(WORLD, 0.5, 5.5, 0.5, -45f, 0f, 6, null, 0);
        for (int i = 1; i < diagonal.size(); i++) {
            int[] a = diagonal.get(i - 1);
            int[] b = diagonal.get(i);
            assertEquals("one step between " + cells(diagonal), 1,
                    Math.abs(a[0] - b[0]) + Math.abs(a[1] - b[1]) + Math.abs(a[2] - b[2]));
        }
        // the farthest a look goes is 120 blocks, whatever is asked
        Sight.Blocks air = new Sight.Blocks() {
            public int idAt(int x, int y, int z) {
                return 0;
            }
        };
        List<int[]> far = Sight.trace(air, 0.5, 100.5, 0.5, 0f, 0f, 500, null, 1);
        assertEquals(120, far.get(0)[2]);
    }

    @Test
    public void explosionsBreakWhatTheirRaysReachByResistance() {
        java.util.Random random = new java.util.Random(7);
        Sight.Blocks air = (x, y, z) -> 0;
        assertTrue("air has nothing to break", Explosions.affected(air, 0.5, 64.5, 0.5, 4f, random).isEmpty());
        Sight.Blocks obsidian = (x, y, z) -> 49;
        assertTrue("obsidian holds", Explosions.affected(obsidian, 0.5, 64.5, 0.5, 4f, random).isEmpty());
        Sight.Blocks dirt = (x, y, z) -> 3;
        List<int[]> inDirt = Explosions.affected(dirt, 0.5, 64.5, 0.5, 4f, random);
        Sight.Blocks stone = (x, y, z) -> 1;
        List<int[]> inStone = Explosions.affected(stone, 0.5, 64.5, 0.5, 4f, random);
        assertTrue("dirt gives way more than stone: " + inDirt.size() + " " + inStone.size(),
                inDirt.size() > 3 * inStone.size() && inStone.size() > 0);
        HashSet<String> once = new HashSet<String>();
        for (int[] b : inDirt) {
            double dx = b[0] + 0.5 - 0.5;
            double dy = b[1] + 0.5 - 64.5;
            double dz = b[2] + 0.5 - 0.5;
            assertTrue("within the strongest ray's reach", Math.sqrt(dx * dx + dy * dy + dz * dz) < 4 * 1.3 / 0.225 * 0.3 + 1);
            assertTrue("each block once", once.add(b[0] + "," + b[1] + "," + b[2]));
        }
        assertTrue(once.contains("0,64,0"));
        // bedrock under a blast in the air above it stays
        Sight.Blocks floor = (x, y, z) -> y == 0 ? 7 : y <= 3 ? 3 : 0;
        for (int[] b : Explosions.affected(floor, 0.5, 3.5, 0.5, 4f, random)) {
            assertTrue("no bedrock broken", b[1] > 0);
        }
        // damage: the game's formula, 1 at the edge of reach, nothing beyond it
        assertEquals(33f, Explosions.damage(0, 1, 4f), 0);
        assertEquals(1f, Explosions.damage(7.99, 1, 4f), 0);
        assertEquals(0f, Explosions.damage(8.01, 1, 4f), 0);
        assertEquals(1f, Explosions.damage(1, 0, 4f), 0);
        assertEquals(1.0, Explosions.exposure(air, 0.5, 65, 0.5, 3.5, 64, 0.5), 0);
        Sight.Blocks wall = (x, y, z) -> x == 2 ? 1 : 0;
        assertEquals(0.0, Explosions.exposure(wall, 0.5, 65, 0.5, 3.5, 64, 0.5), 0);
    }

    @Test
    public void effectsEndOnTheirTickAndForceReplacesOne() {
        PotionKinds.register();
        PlayerEffects effects = new PlayerEffects();
        assertTrue(effects.add(new PotionEffect(PotionEffectType.SPEED, 40, 1), false, 100));
        assertFalse("one of the kind is on", effects.add(new PotionEffect(PotionEffectType.SPEED, 400, 0), false, 101));
        assertTrue(effects.add(new PotionEffect(PotionEffectType.JUMP, 10, 2), false, 101));
        assertEquals(2, effects.amplifier(PotionEffectType.JUMP));
        Collection<PotionEffect> at120 = effects.active(120);
        assertEquals(2, at120.size());
        assertEquals(20, at120.iterator().next().getDuration());
        assertEquals(Arrays.asList(8), effects.expire(111));
        assertEquals(Arrays.<Integer>asList(), effects.expire(139));
        assertEquals(Arrays.asList(1), effects.expire(140));
        assertTrue(effects.isEmpty());
        effects.add(new PotionEffect(PotionEffectType.SPEED, 40, 1), false, 0);
        assertTrue(effects.add(new PotionEffect(PotionEffectType.SPEED, 400, 0), true, 0));
        assertEquals(0, effects.amplifier(PotionEffectType.SPEED));
        assertEquals(-1, effects.amplifier(PotionEffectType.POISON));
    }

    @Test
    public void theKindsAreRegisteredAndPotionsBrewAsTheGameTimesThem() {
        PotionKinds.register();
        PotionKinds.register();
        assertEquals("SPEED", PotionEffectType.SPEED.getName());
        assertSame(PotionEffectType.getById(19), PotionEffectType.getByName("poison"));
        assertTrue(PotionEffectType.HEAL.isInstant());
        assertEquals(24, PotionEffectType.values().length);
        assertEquals(3600, only(new Potion(PotionType.SPEED)).getDuration());
        assertEquals(900, only(new Potion(PotionType.REGEN)).getDuration());
        assertEquals(9600, only(new Potion(PotionType.SPEED).extend()).getDuration());
        PotionEffect speed2 = only(new Potion(PotionType.SPEED, 2));
        assertEquals(1800, speed2.getDuration());
        assertEquals(1, speed2.getAmplifier());
        assertEquals(1350, only(new Potion(PotionType.WEAKNESS).splash()).getDuration());
        assertEquals(1, only(new Potion(PotionType.INSTANT_HEAL)).getDuration());
        assertTrue(new Potion(PotionType.WATER).getEffects().isEmpty());
    }

    private static PotionEffect only(Potion potion) {
        Collection<PotionEffect> effects = potion.getEffects();
        assertEquals(1, effects.size());
        return effects.iterator().next();
    }

    @Test
    public void statisticsNeedTheirKindAndAchievementsTheirParents() {
        PlayerStats stats = new PlayerStats();
        stats.add(Statistic.JUMP, 3);
        stats.add(Statistic.JUMP, -5);
        assertEquals(0, stats.get(Statistic.JUMP));
        stats.add(Statistic.MINE_BLOCK, Material.STONE, 2);
        assertEquals(2, stats.get(Statistic.MINE_BLOCK, Material.STONE));
        assertEquals(0, stats.get(Statistic.MINE_BLOCK, Material.DIRT));
        stats.set(Statistic.KILL_ENTITY, EntityType.ZOMBIE, 4);
        assertEquals(4, stats.get(Statistic.KILL_ENTITY, EntityType.ZOMBIE));
        for (Runnable wrong : Arrays.<Runnable>asList(
                () -> stats.get(Statistic.MINE_BLOCK),
                () -> stats.add(Statistic.JUMP, Material.STONE, 1),
                () -> stats.get(Statistic.MINE_BLOCK, Material.DIAMOND),
                () -> stats.get(Statistic.CRAFT_ITEM, EntityType.COW),
                () -> stats.set(Statistic.JUMP, -1))) {
            try {
                wrong.run();
                fail("refused");
            } catch (IllegalArgumentException expected) {
                // refused
            }
        }
        assertEquals(Arrays.asList(Achievement.OPEN_INVENTORY, Achievement.MINE_WOOD, Achievement.BUILD_WORKBENCH),
                stats.award(Achievement.BUILD_WORKBENCH));
        assertEquals(Arrays.asList(Achievement.BUILD_SWORD), stats.award(Achievement.BUILD_SWORD));
        assertTrue(stats.award(Achievement.MINE_WOOD).isEmpty());
        assertEquals("achievement.diamondsToYou", PlayerStats.achievementName(Achievement.DIAMONDS_TO_YOU));
        assertEquals(Achievement.values().length, PlayerStats.achievementCount());
    }

    /** Someone conversing: his conversations and every line shown to him. */
    private static final class Talker implements Conversable {
        final Conversations conversations = new Conversations();
        final List<String> shown = new ArrayList<String>();

        public boolean isConversing() {
            return conversations.isConversing();
        }

        public void acceptConversationInput(String input) {
            conversations.accept(input);
        }

        public boolean beginConversation(Conversation conversation) {
            return conversations.begin(conversation);
        }

        public void abandonConversation(Conversation conversation) {
            conversations.abandon(conversation);
        }

        public void abandonConversation(Conversation conversation, ConversationAbandonedEvent details) {
            conversations.abandon(conversation, details);
        }

        public void sendRawMessage(String message) {
            shown.add(message);
        }
    }

    /** Asks for a number from 1 to 10 and keeps it. */
    private static final class AskAge extends NumericPrompt {
        public String getPromptText(ConversationContext context) {
            return "How old?";
        }

        @Override
        protected boolean isNumberValid(ConversationContext context, Number input) {
            return input.intValue() >= 1 && input.intValue() <= 10;
        }

        @Override
        protected String getFailedValidationText(ConversationContext context, Number invalidInput) {
            return invalidInput + " is out of range";
        }

        @Override
        protected Prompt acceptValidatedInput(ConversationContext context, Number input) {
            context.setSessionData("age", input);
            return END_OF_CONVERSATION;
        }
    }

    /** Asks something and ends on any answer. */
    private static final class Ask extends StringPrompt {
        private final String text;

        Ask(String text) {
            this.text = text;
        }

        public String getPromptText(ConversationContext context) {
            return text;
        }

        public Prompt acceptInput(ConversationContext context, String input) {
            return END_OF_CONVERSATION;
        }
    }

    @Test
    public void conversationsValidateAnswersQueueAndEndByCancellers() {
        Plugin plugin = ApiServer.plugin("talk");
        final List<String> ends = new ArrayList<String>();
        ConversationAbandonedListener listener = new ConversationAbandonedListener() {
            public void conversationAbandoned(ConversationAbandonedEvent event) {
                ends.add(event.gracefulExit() ? "graceful" : event.getCanceller().getClass().getSimpleName());
            }
        };
        Talker talker = new Talker();
        ConversationFactory factory = new ConversationFactory(plugin).withFirstPrompt(new AskAge())
                .withEscapeSequence("stop").withLocalEcho(false).addConversationAbandonedListener(listener);
        Conversation first = factory.buildConversation(talker);
        first.begin();
        assertEquals(Arrays.asList("How old?"), talker.shown);
        assertSame(Conversation.ConversationState.STARTED, first.getState());

        // a second one waits its turn
        Conversation second = new ConversationFactory(plugin).withFirstPrompt(new Ask("Next?"))
                .addConversationAbandonedListener(listener).buildConversation(talker);
        second.begin();
        assertEquals(1, talker.shown.size());

        talker.acceptConversationInput("many");
        talker.acceptConversationInput("12");
        assertEquals(Arrays.asList("How old?", "How old?", "\u00a7c12 is out of range", "How old?"), talker.shown);
        talker.acceptConversationInput("7");
        assertEquals(7, first.getContext().getSessionData("age"));
        assertEquals(Arrays.asList("graceful"), ends);
        assertSame(Conversation.ConversationState.ABANDONED, first.getState());
        assertEquals("the waiting one begins", "Next?", talker.shown.get(talker.shown.size() - 1));
        assertTrue(talker.isConversing());

        talker.acceptConversationInput("yes");
        assertEquals("the echo, then the end", "yes", talker.shown.get(talker.shown.size() - 1));
        assertFalse(talker.isConversing());

        Conversation third = factory.buildConversation(talker);
        third.begin();
        talker.acceptConversationInput("stop");
        assertEquals("ExactMatchConversationCanceller", ends.get(ends.size() - 1));
        assertFalse(talker.isConversing());
        assertNull(third.getContext().getSessionData("age"));

        Conversation manual = factory.buildConversation(talker);
        manual.begin();
        manual.abandon();
        assertEquals("ManuallyAbandonedConversationCanceller", ends.get(ends.size() - 1));
        assertFalse(talker.isConversing());
    }

    /** An offline player that has a name and nothing else. */
    private static org.bukkit.OfflinePlayer named(final String name) {
        return (org.bukkit.OfflinePlayer) java.lang.reflect.Proxy.newProxyInstance(EntityStateTest.class.getClassLoader(),
                new Class<?>[] {org.bukkit.OfflinePlayer.class}, new java.lang.reflect.InvocationHandler() {
                    public Object invoke(Object proxy, java.lang.reflect.Method m, Object[] args) {
                        if (m.getName().equals("getName")) {
                            return name;
                        }
                        if (m.getName().equals("hashCode")) {
                            return name.hashCode();
                        }
                        if (m.getName().equals("equals")) {
                            return proxy == args[0];
                        }
                        throw new UnsupportedOperationException(m.getName());
                    }
                });
    }

    @Test
    public void scoreboardsKeepTheGamesLimitsAndOneTeamAPlayer() {
        ApiScoreboard board = new ApiScoreboard(null, null);
        Objective kills = board.registerNewObjective("kills", "dummy");
        try {
            board.registerNewObjective("kills", "dummy");
            fail("a second objective of the name");
        } catch (IllegalArgumentException expected) {
            // refused
        }
        try {
            board.registerNewObjective("seventeen letters", "dummy");
            fail("a name of 17 characters");
        } catch (IllegalArgumentException expected) {
            // refused
        }
        kills.getScore("Alex").setScore(3);
        kills.setDisplaySlot(DisplaySlot.SIDEBAR);
        assertSame(kills, board.getObjective(DisplaySlot.SIDEBAR));
        assertEquals(3, board.getScores("Alex").iterator().next().getScore());
        assertEquals(0, kills.getScore("Bea").getScore());
        assertEquals(1, board.getEntries().size());
        board.resetScores("Alex");
        assertTrue(board.getEntries().isEmpty());
        kills.unregister();
        assertNull(board.getObjective(DisplaySlot.SIDEBAR));
        try {
            kills.getDisplayName();
            fail("an unregistered objective");
        } catch (IllegalStateException expected) {
            // refused
        }

        Team red = board.registerNewTeam("red");
        Team blue = board.registerNewTeam("blue");
        org.bukkit.OfflinePlayer alex = named("Alex");
        red.addPlayer(alex);
        blue.addPlayer(alex);
        assertSame(blue, board.getPlayerTeam(alex));
        assertEquals(0, red.getSize());
        try {
            red.setPrefix("a prefix of 17 ch");
            fail("a prefix of 17 characters");
        } catch (IllegalArgumentException expected) {
            // refused
        }
        blue.unregister();
        assertNull(board.getPlayerTeam(alex));
    }
}
