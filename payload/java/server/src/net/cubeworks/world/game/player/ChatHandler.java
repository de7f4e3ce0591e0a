package net.cubeworks.world.game.player;

import java.util.logging.Level;
import java.util.logging.Logger;

import org.bukkit.entity.Player;
import org.bukkit.event.player.PlayerCommandPreprocessEvent;

import net.cubeworks.world.game.event.ChatEvents;
import net.cubeworks.world.game.thread.GameHost;
import net.cubeworks.world.protocol.PlayPackets;

/**
 * What players type: chat lines to everyone, and "/" commands. Both count against the
 * player's spam allowance, and a player who overdraws it is kicked.
 */
public final class ChatHandler {
    static final String SPAM_REASON = "disconnect.spam";

    private final Object lock;
    private final Players players;
    private final GameHost host;
    private final Logger logger;

    public ChatHandler(Object lock, Players players, GameHost host, Logger logger) {
        this.lock = lock;
        this.players = players;
        this.host = host;
        this.logger = logger;
    }

    /** A player says something, or runs a command when the line starts with "/". */
    public void chat(OnlinePlayer p, String message) {
        synchronized (lock) {
            if (!p.isOnline()) {
                return;
            }
            message = message.trim();
            for (int i = 0; i < message.length(); i++) {
                char c = message.charAt(i);
                if (c == '\u00a7' || c < ' ' || c == 0x7F) {
                    players.kick(p, "Illegal characters in chat");
                    return;
                }
            }
            if (message.length() == 0) {
                return;
            }
            if (message.startsWith("/")) {
                command(p, message);
            } else if (p.isConversing()) {
                p.acceptConversationInput(message); // a conversation takes what he says
            } else {
                say(p, message);
            }
            // operators are trusted with bursts, as on the real server
            if (p.isOnline() && p.countMessage(System.currentTimeMillis()) && !p.isOp()) {
                players.kickTranslated(p, SPAM_REASON);
            }
        }
    }

    private void say(OnlinePlayer p, String message) {
        ChatEvents.Line line = ChatEvents.chat(host, p, message, players.inJoinOrder());
        if (line == null) {
            return;
        }
        String text = String.format(line.format, p.getDisplayName(), line.message);
        logger.info(text);
        for (Player r : line.recipients) {
            if (r instanceof OnlinePlayer) {
                if (!((OnlinePlayer) r).conversations.isModal()) {
                    ((OnlinePlayer) r).sendChatLine(text);
                }
            } else {
                r.sendMessage(text);
            }
        }
    }

    private void command(OnlinePlayer p, String message) {
        logger.info(p.getName() + " issued server command: " + message);
        PlayerCommandPreprocessEvent pre = new PlayerCommandPreprocessEvent(p, message);
        host.callEvent(pre);
        if (pre.isCancelled()) {
            return;
        }
        try {
            host.dispatchCommand(p, pre.getMessage());
        } catch (RuntimeException ex) {
            logger.log(Level.SEVERE, "Could not run command " + pre.getMessage(), ex);
        }
    }

    /** Tab-Complete: the client is sent the completions of its line, as the plugins leave them. */
    public void tabComplete(OnlinePlayer p, String text) {
        if (p.isOnline()) {
            p.connection().send(PlayPackets.tabComplete(
                    ChatEvents.tabComplete(host, logger, p, text, players.inJoinOrder())));
        }
    }
}
