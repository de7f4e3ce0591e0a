package org.bukkit.help;

import java.util.ArrayList;
import java.util.Collection;
import java.util.Collections;
import java.util.List;

import org.bukkit.ChatColor;
import org.bukkit.command.CommandSender;
import org.bukkit.command.ConsoleCommandSender;
import org.bukkit.entity.Player;

/** A topic listing other topics, one line each: name and short text, only those the reader may see. */
public class IndexHelpTopic extends HelpTopic {
    protected String permission;
    protected String preamble;
    protected Collection<HelpTopic> allTopics;

    public IndexHelpTopic(String name, String shortText, String permission, Collection<HelpTopic> topics) {
        this(name, shortText, permission, topics, null);
    }

    public IndexHelpTopic(String name, String shortText, String permission, Collection<HelpTopic> topics,
            String preamble) {
        this.name = name;
        this.shortText = shortText;
        this.permission = permission;
        this.preamble = preamble;
        setTopicsCollection(topics);
    }

    /** The topics it lists, sorted by name. */
    protected void setTopicsCollection(Collection<HelpTopic> topics) {
        List<HelpTopic> sorted = new ArrayList<HelpTopic>(topics);
        Collections.sort(sorted, HelpTopicComparator.helpTopicComparatorInstance());
        this.allTopics = sorted;
    }

    public boolean canSee(CommandSender sender) {
        if (sender instanceof ConsoleCommandSender) {
            return true;
        }
        String p = amendedPermission != null ? amendedPermission : permission;
        return p == null || p.length() == 0 || sender.hasPermission(p);
    }

    @Override
    public void amendCanSee(String amended) {
        permission = amended;
    }

    public String getFullText(CommandSender sender) {
        StringBuilder sb = new StringBuilder();
        if (preamble != null) {
            sb.append(buildPreamble(sender)).append("\n");
        }
        for (HelpTopic topic : allTopics) {
            if (topic.canSee(sender)) {
                String line = buildIndexLine(sender, topic);
                if (line != null) {
                    sb.append(line).append("\n");
                }
            }
        }
        return sb.toString();
    }

    protected String buildPreamble(CommandSender sender) {
        return ChatColor.GRAY + preamble;
    }

    /** One line of the index; a player's is cut to fit the chat window. */
    protected String buildIndexLine(CommandSender sender, HelpTopic topic) {
        String line = ChatColor.GOLD + topic.getName() + ": " + ChatColor.WHITE + topic.getShortText();
        if (sender instanceof Player && line.length() > 65) {
            line = line.substring(0, 62) + "...";
        }
        return line;
    }
}
