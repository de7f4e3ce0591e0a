package org.bukkit.help;

import java.util.Comparator;

/** Sorts help topics by name, case aside, with index topics (no leading slash) after the commands. */
public class HelpTopicComparator implements Comparator<HelpTopic> {
    private static final TopicNameComparator NAMES = new TopicNameComparator();
    private static final HelpTopicComparator TOPICS = new HelpTopicComparator();

    public static TopicNameComparator topicNameComparatorInstance() {
        return NAMES;
    }

    public static HelpTopicComparator helpTopicComparatorInstance() {
        return TOPICS;
    }

    private HelpTopicComparator() {
    }

    public int compare(HelpTopic lhs, HelpTopic rhs) {
        return NAMES.compare(lhs.getName(), rhs.getName());
    }

    /** Names of commands (with a slash) first, then the others, each in order of letters, case aside. */
    public static class TopicNameComparator implements Comparator<String> {
        private TopicNameComparator() {
        }

        public int compare(String lhs, String rhs) {
            boolean lhsCommand = lhs.startsWith("/");
            boolean rhsCommand = rhs.startsWith("/");
            if (lhsCommand != rhsCommand) {
                return lhsCommand ? -1 : 1;
            }
            return lhs.compareToIgnoreCase(rhs);
        }
    }
}
