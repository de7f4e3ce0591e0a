package net.cubeworks.world.game.event;

import java.util.ArrayList;
import java.util.Collections;
import java.util.LinkedHashSet;
import java.util.List;
import java.util.Locale;
import java.util.Set;
import java.util.logging.Level;
import java.util.logging.Logger;

import org.bukkit.entity.Player;
import org.bukkit.event.player.AsyncPlayerChatEvent;
import org.bukkit.event.player.PlayerChatEvent;
import org.bukkit.event.player.PlayerChatTabCompleteEvent;

import net.cubeworks.world.game.thread.GameHost;

/**
 * The plugins' say in chat: the chat events (the asynchronous one, then the synchronous one older
 * plugins listen to, fed what the first left), and the completions of a line the client asks for.
 */
public final class ChatEvents {
    /** A chat line as the plugins left it: who gets it, in which format. */
    public static final class Line {
        public final String format;
        public final String message;
        public final Set<Player> recipients;

        Line(String format, String message, Set<Player> recipients) {
            this.format = format;
            this.message = message;
            this.recipients = recipients;
        }
    }

    private ChatEvents() {
    }

    /** What becomes of a player's chat line; null when a plugin cancelled it. */
    @SuppressWarnings("deprecation")
    public static Line chat(GameHost host, Player p, String message, List<? extends Player> online) {
        AsyncPlayerChatEvent event = new AsyncPlayerChatEvent(false, p, message, new LinkedHashSet<Player>(online));
        host.callEvent(event);
        if (PlayerChatEvent.getHandlerList().getRegisteredListeners().length == 0) {
            return event.isCancelled() ? null : new Line(event.getFormat(), event.getMessage(), event.getRecipients());
        }
        PlayerChatEvent old = new PlayerChatEvent(p, event.getMessage(), event.getFormat(), event.getRecipients());
        old.setCancelled(event.isCancelled());
        host.callEvent(old);
        return old.isCancelled() ? null : new Line(old.getFormat(), old.getMessage(), old.getRecipients());
    }

    /**
     * Tab-Complete: a command line ("/...") is completed by the command map; a chat line by the
     * names of the players whose names start with its last word, and the plugins may change
     * those. The client is to be sent what is left, in order.
     */
    public static List<String> tabComplete(GameHost host, Logger logger, Player p, String text,
            List<? extends Player> online) {
        if (text.startsWith("/")) {
            return commandCompletions(host, logger, p, text);
        }
        return chatCompletions(host, p, text, online);
    }

    private static List<String> commandCompletions(GameHost host, Logger logger, Player p, String text) {
        try {
            List<String> found = host.tabCompleteCommand(p, text);
            return found == null ? Collections.<String>emptyList() : found;
        } catch (RuntimeException ex) {
            logger.log(Level.WARNING, "Could not complete \"" + text + "\" for " + p.getName(), ex);
            return Collections.emptyList();
        }
    }

    private static List<String> chatCompletions(GameHost host, Player p, String text, List<? extends Player> online) {
        int space = text.lastIndexOf(' ');
        String last = (space < 0 ? text : text.substring(space + 1)).toLowerCase(Locale.ROOT);
        List<String> names = new ArrayList<String>();
        for (Player q : online) {
            if (q.getName().toLowerCase(Locale.ROOT).startsWith(last)) {
                names.add(q.getName());
            }
        }
        if (PlayerChatTabCompleteEvent.getHandlerList().getRegisteredListeners().length == 0) {
            return names;
        }
        PlayerChatTabCompleteEvent event = new PlayerChatTabCompleteEvent(p, text, names);
        host.callEvent(event);
        List<String> out = new ArrayList<String>();
        for (String s : event.getTabCompletions()) {
            if (s != null) {
                out.add(s);
            }
        }
        return out;
    }
}
