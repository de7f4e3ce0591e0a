package org.bukkit.help;

import org.bukkit.command.CommandSender;

/**
 * One page of the server's help: a name, a line for the index, the whole text, and who may
 * see it. A server's help.yml may amend the texts and the permission it asks.
 */
public abstract class HelpTopic {
    protected String name;
    protected String shortText;
    protected String fullText;
    protected String amendedPermission;

    public abstract boolean canSee(CommandSender player);

    /** Asks this permission instead of the topic's own; null goes back to the topic's. */
    public void amendCanSee(String amendedPermission) {
        this.amendedPermission = amendedPermission;
    }

    public String getName() {
        return name;
    }

    public String getShortText() {
        return shortText;
    }

    public String getFullText(CommandSender forWho) {
        return fullText;
    }

    /** Replaces the texts; "<text>" in an amendment stands for the text it replaces. */
    public void amendTopic(String amendedShortText, String amendedFullText) {
        shortText = applyAmendment(shortText, amendedShortText);
        fullText = applyAmendment(fullText, amendedFullText);
    }

    protected String applyAmendment(String baseText, String amendment) {
        if (amendment == null) {
            return baseText;
        }
        return amendment.replaceAll("<text>", baseText == null ? "" : java.util.regex.Matcher.quoteReplacement(baseText));
    }
}
