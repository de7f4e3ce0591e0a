package org.bukkit.conversations;

import java.util.ArrayList;
import java.util.HashMap;
import java.util.List;
import java.util.Map;

import org.bukkit.plugin.Plugin;

/**
 * A run of prompts shown to one player (or the console), whose answers are what he types: while
 * it runs, his chat goes to it instead of to the others. A modal conversation also keeps other
 * players' chat from him. It ends after its last step, or when a canceller says so.
 */
public class Conversation {
    /** Where a conversation is in its life. */
    public enum ConversationState {
        UNSTARTED, STARTED, ABANDONED
    }

    private final Prompt firstPrompt;
    private boolean abandoned;
    protected Prompt currentPrompt;
    protected ConversationContext context;
    protected boolean modal;
    protected boolean localEchoEnabled;
    protected ConversationPrefix prefix;
    protected List<ConversationCanceller> cancellers;
    protected List<ConversationAbandonedListener> abandonedListeners;

    public Conversation(Plugin plugin, Conversable forWhom, Prompt firstPrompt) {
        this(plugin, forWhom, firstPrompt, new HashMap<Object, Object>());
    }

    public Conversation(Plugin plugin, Conversable forWhom, Prompt firstPrompt, Map<Object, Object> initialSessionData) {
        this.firstPrompt = firstPrompt;
        this.context = new ConversationContext(plugin, forWhom, initialSessionData);
        this.modal = true;
        this.localEchoEnabled = true;
        this.prefix = new NullConversationPrefix();
        this.cancellers = new ArrayList<ConversationCanceller>();
        this.abandonedListeners = new ArrayList<ConversationAbandonedListener>();
    }

    public Conversable getForWhom() {
        return context.getForWhom();
    }

    /** Whether other players' chat is kept from the one conversing while it runs. */
    public boolean isModal() {
        return modal;
    }

    void setModal(boolean modal) {
        this.modal = modal;
    }

    /** Whether each answer is shown back to the one who typed it. */
    public boolean isLocalEchoEnabled() {
        return localEchoEnabled;
    }

    public void setLocalEchoEnabled(boolean localEchoEnabled) {
        this.localEchoEnabled = localEchoEnabled;
    }

    public ConversationPrefix getPrefix() {
        return prefix;
    }

    void setPrefix(ConversationPrefix prefix) {
        this.prefix = prefix;
    }

    /** Adds a canceller and tells it which conversation it watches. */
    void addConversationCanceller(ConversationCanceller canceller) {
        canceller.setConversation(this);
        cancellers.add(canceller);
    }

    public List<ConversationCanceller> getCancellers() {
        return cancellers;
    }

    public ConversationContext getContext() {
        return context;
    }

    /**
     * Starts the conversation: the one conversing is asked to take it, and shows its first
     * prompt now or, if he is in another conversation, when that one ends. A conversation
     * without a first step ends at once.
     */
    public void begin() {
        if (currentPrompt == null && !abandoned) {
            currentPrompt = firstPrompt;
            if (currentPrompt == null) {
                abandon(new ConversationAbandonedEvent(this));
                return;
            }
            context.getForWhom().beginConversation(this);
        }
    }

    public ConversationState getState() {
        if (abandoned) {
            return ConversationState.ABANDONED;
        }
        return currentPrompt == null ? ConversationState.UNSTARTED : ConversationState.STARTED;
    }

    /** Takes one answer: echoed if asked, checked by the cancellers, then given to the current step. */
    public void acceptInput(String input) {
        if (currentPrompt == null) {
            return;
        }
        if (localEchoEnabled) {
            context.getForWhom().sendRawMessage(prefix.getPrefix(context) + input);
        }
        for (ConversationCanceller canceller : new ArrayList<ConversationCanceller>(cancellers)) {
            if (canceller.cancelBasedOnInput(context, input)) {
                abandon(new ConversationAbandonedEvent(this, canceller));
                return;
            }
        }
        currentPrompt = currentPrompt.acceptInput(context, input);
        outputNextPrompt();
    }

    public synchronized void addConversationAbandonedListener(ConversationAbandonedListener listener) {
        abandonedListeners.add(listener);
    }

    public synchronized void removeConversationAbandonedListener(ConversationAbandonedListener listener) {
        abandonedListeners.remove(listener);
    }

    /** Ends the conversation as the plugin asks. */
    public void abandon() {
        abandon(new ConversationAbandonedEvent(this, new ManuallyAbandonedConversationCanceller()));
    }

    /** Ends the conversation (once), frees the one conversing and tells the listeners how it ended. */
    public synchronized void abandon(ConversationAbandonedEvent details) {
        if (abandoned) {
            return;
        }
        abandoned = true;
        currentPrompt = null;
        context.getForWhom().abandonConversation(this);
        for (ConversationAbandonedListener listener : new ArrayList<ConversationAbandonedListener>(abandonedListeners)) {
            listener.conversationAbandoned(details);
        }
    }

    /**
     * Shows the current step; a step that does not wait for an answer leads straight on to the
     * next. After the last step the conversation ends gracefully.
     */
    public void outputNextPrompt() {
        while (true) {
            if (currentPrompt == null) {
                abandon(new ConversationAbandonedEvent(this));
                return;
            }
            context.getForWhom().sendRawMessage(prefix.getPrefix(context) + currentPrompt.getPromptText(context));
            if (currentPrompt.blocksForInput(context)) {
                return;
            }
            currentPrompt = currentPrompt.acceptInput(context, null);
        }
    }
}
