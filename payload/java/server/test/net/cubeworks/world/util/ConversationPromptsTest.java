package net.cubeworks.world.util;

import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertNull;
import static org.junit.Assert.assertSame;
import static org.junit.Assert.assertTrue;

import java.util.ArrayList;
import java.util.List;

import org.bukkit.ChatColor;
import org.bukkit.conversations.BooleanPrompt;
import org.bukkit.conversations.Conversable;
import org.bukkit.conversations.Conversation;
import org.bukkit.conversations.ConversationAbandonedEvent;
import org.bukkit.conversations.ConversationContext;
import org.bukkit.conversations.ConversationFactory;
import org.bukkit.conversations.FixedSetPrompt;
import org.bukkit.conversations.PluginNameConversationPrefix;
import org.bukkit.conversations.Prompt;
import org.bukkit.conversations.RegexPrompt;
import org.bukkit.map.MapFont;
import org.bukkit.map.MapPalette;
import org.bukkit.map.MinecraftFont;
import org.bukkit.plugin.Plugin;
import org.junit.Test;

import net.cubeworks.world.fixture.ApiServer;

/** The ready-made prompts check answers as plugins expect; the map font measures as the client draws. */
public class ConversationPromptsTest {
    /** Someone with one conversation at a time, who keeps what he is shown. */
    private static final class Listener implements Conversable {
        final List<String> shown = new ArrayList<String>();
        Conversation current;

        public boolean isConversing() {
            return current != null;
        }

        public void acceptConversationInput(String input) {
            current.acceptInput(input);
        }

        public boolean beginConversation(Conversation conversation) {
            current = conversation;
            conversation.outputNextPrompt();
            return true;
        }

        public void abandonConversation(Conversation conversation) {
            current = null;
        }

        public void abandonConversation(Conversation conversation, ConversationAbandonedEvent details) {
            current = null;
        }

        public void sendRawMessage(String message) {
            shown.add(message);
        }
    }

    private static final class Agree extends BooleanPrompt {
        public String getPromptText(ConversationContext context) {
            return "Agree?";
        }

        @Override
        protected Prompt acceptValidatedInput(ConversationContext context, boolean input) {
            context.setSessionData("agreed", input);
            return new Colour();
        }
    }

    private static final class Colour extends FixedSetPrompt {
        Colour() {
            super("red", "blue");
        }

        public String getPromptText(ConversationContext context) {
            return "Colour " + formatFixedSet() + "?";
        }

        @Override
        protected Prompt acceptValidatedInput(ConversationContext context, String input) {
            context.setSessionData("colour", input);
            return new Code();
        }

        @Override
        protected String getFailedValidationText(ConversationContext context, String invalidInput) {
            return invalidInput + " is no choice";
        }
    }

    private static final class Code extends RegexPrompt {
        Code() {
            super("[0-9]{4}");
        }

        public String getPromptText(ConversationContext context) {
            return "Code?";
        }

        @Override
        protected Prompt acceptValidatedInput(ConversationContext context, String input) {
            context.setSessionData("code", input);
            return END_OF_CONVERSATION;
        }
    }

    @Test
    public void readyMadePromptsTakeOnlyTheirKindOfAnswer() {
        Plugin plugin = ApiServer.plugin("Shop");
        Listener who = new Listener();
        Conversation c = new ConversationFactory(plugin).withFirstPrompt(new Agree()).withLocalEcho(false)
                .withPrefix(new PluginNameConversationPrefix(plugin)).buildConversation(who);
        c.begin();
        String prefix = ChatColor.LIGHT_PURPLE + "Shop > " + ChatColor.WHITE;
        assertEquals(prefix + "Agree?", who.shown.get(0));
        for (String answer : new String[] {"maybe", " YES ", "green", "red", "12345", "0042"}) {
            who.acceptConversationInput(answer);
        }
        assertEquals(Boolean.TRUE, c.getContext().getSessionData("agreed"));
        assertEquals("red", c.getContext().getSessionData("colour"));
        assertEquals("0042", c.getContext().getSessionData("code"));
        assertTrue(who.shown.contains(prefix + "Colour [red, blue]?"));
        assertTrue(who.shown.contains(ChatColor.RED + "green is no choice"));
        assertSame(Conversation.ConversationState.ABANDONED, c.getState());
        assertNull(who.current);
        // "maybe" and "12345" were refused without a word: their prompts were asked again
        assertEquals(2, count(who.shown, prefix + "Agree?"));
        assertEquals(2, count(who.shown, prefix + "Code?"));
    }

    private static int count(List<String> lines, String line) {
        int n = 0;
        for (String l : lines) {
            if (l.equals(line)) {
                n++;
            }
        }
        return n;
    }

    @Test
    public void theMapFontMeasuresAsTheClientDrawsAndPalettesMatchColours() {
        MapFont font = MinecraftFont.Font;
        assertEquals(5 + 1 + 1 + 1 + 5, font.getWidth("AiB"));
        assertEquals("colour codes take no room", font.getWidth("AB"), font.getWidth("\u00a7cA\u00a7lB"));
        assertEquals(0, font.getWidth(""));
        assertTrue(font.isValid("Hello, world!"));
        assertTrue(!font.isValid("\u4e2d"));
        try {
            font.setChar('x', new MapFont.CharacterSprite(1, 1, new boolean[1]));
            throw new AssertionError("the game's font is fixed");
        } catch (IllegalStateException expected) {
            // refused
        }
        assertEquals(MapPalette.RED + 2, MapPalette.matchColor(255, 0, 0));
        assertEquals(MapPalette.WHITE + 2, MapPalette.matchColor(255, 255, 255));
        assertEquals(MapPalette.TRANSPARENT, MapPalette.matchColor(new java.awt.Color(10, 20, 30, 0)));
        assertEquals(new java.awt.Color(0x40, 0x40, 0xFF), MapPalette.getColor((byte) (MapPalette.BLUE + 2)));
    }
}
