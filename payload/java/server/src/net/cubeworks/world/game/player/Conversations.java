package net.cubeworks.world.game.player;

import java.util.LinkedList;

import org.bukkit.conversations.Conversation;
import org.bukkit.conversations.ConversationAbandonedEvent;
import org.bukkit.conversations.ManuallyAbandonedConversationCanceller;

/**
 * The conversations one player is in: the first one runs and takes his chat; the others wait
 * their turn and begin when it ends.
 */
public final class Conversations {
    private final LinkedList<Conversation> queue = new LinkedList<Conversation>();

    /** Takes a conversation: it runs now when none is running, else it waits. */
    public synchronized boolean begin(Conversation conversation) {
        if (queue.contains(conversation)) {
            return true;
        }
        queue.addLast(conversation);
        if (queue.getFirst() == conversation) {
            conversation.begin();
            conversation.outputNextPrompt();
        }
        return true;
    }

    public synchronized void abandon(Conversation conversation) {
        abandon(conversation, new ConversationAbandonedEvent(conversation, new ManuallyAbandonedConversationCanceller()));
    }

    /** Ends a conversation (running or waiting); the next one waiting then shows its prompt. */
    public synchronized void abandon(Conversation conversation, ConversationAbandonedEvent details) {
        if (queue.isEmpty()) {
            return;
        }
        boolean wasRunning = queue.getFirst() == conversation;
        if (wasRunning) {
            conversation.abandon(details);
        }
        queue.remove(conversation);
        if (wasRunning && !queue.isEmpty()) {
            Conversation next = queue.getFirst();
            next.begin();
            next.outputNextPrompt();
        }
    }

    /** Ends every conversation, as when the player leaves. */
    public synchronized void abandonAll() {
        LinkedList<Conversation> all = new LinkedList<Conversation>(queue);
        queue.clear();
        for (Conversation c : all) {
            c.abandon(new ConversationAbandonedEvent(c, new ManuallyAbandonedConversationCanceller()));
        }
    }

    /** Gives a line the player typed to the running conversation; false when none runs. */
    public boolean accept(String input) {
        Conversation running;
        synchronized (this) {
            running = queue.isEmpty() ? null : queue.getFirst();
        }
        if (running == null) {
            return false;
        }
        running.acceptInput(input);
        return true;
    }

    public synchronized boolean isConversing() {
        return !queue.isEmpty();
    }

    /** Whether a modal conversation runs, which keeps other chat from the player. */
    public synchronized boolean isModal() {
        return !queue.isEmpty() && queue.getFirst().isModal();
    }
}
