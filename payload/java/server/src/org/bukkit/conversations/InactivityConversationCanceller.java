package org.bukkit.conversations;

import org.bukkit.plugin.Plugin;

/**
 * Ends a conversation when no answer came for a number of seconds; each answer starts the count
 * again. The count runs on the server's scheduler in the plugin's name.
 */
public class InactivityConversationCanceller implements ConversationCanceller {
    private static final int TICKS_PER_SECOND = 20;

    protected Plugin plugin;
    protected int timeoutSeconds;
    protected Conversation conversation;
    private int taskId = -1;

    public InactivityConversationCanceller(Plugin plugin, int timeoutSeconds) {
        this.plugin = plugin;
        this.timeoutSeconds = timeoutSeconds;
    }

    public void setConversation(Conversation conversation) {
        this.conversation = conversation;
        startTimer();
    }

    /** Every answer restarts the count; it never cancels on input. */
    public boolean cancelBasedOnInput(ConversationContext context, String input) {
        stopTimer();
        startTimer();
        return false;
    }

    @Override
    public ConversationCanceller clone() {
        return new InactivityConversationCanceller(plugin, timeoutSeconds);
    }

    private void startTimer() {
        taskId = plugin.getServer().getScheduler().scheduleSyncDelayedTask(plugin, new Runnable() {
            public void run() {
                Conversation c = conversation;
                if (c.getState() == Conversation.ConversationState.UNSTARTED) {
                    startTimer();
                } else if (c.getState() == Conversation.ConversationState.STARTED) {
                    cancelling(c);
                    c.abandon(new ConversationAbandonedEvent(c, InactivityConversationCanceller.this));
                }
            }
        }, (long) timeoutSeconds * TICKS_PER_SECOND);
    }

    private void stopTimer() {
        if (taskId != -1) {
            plugin.getServer().getScheduler().cancelTask(taskId);
            taskId = -1;
        }
    }

    /** Called just before the conversation is ended for inactivity; a subclass may say something. */
    protected void cancelling(Conversation conversation) {
    }
}
