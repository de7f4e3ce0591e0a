package net.cubeworks.world.util;

import static org.junit.Assert.assertArrayEquals;
import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertTrue;

import java.io.ByteArrayInputStream;
import java.io.ByteArrayOutputStream;

import org.bukkit.ChatColor;
import org.bukkit.Material;
import org.bukkit.enchantments.Enchantment;
import org.bukkit.inventory.ItemStack;
import org.bukkit.util.ChatPaginator;
import org.bukkit.util.Vector;
import org.bukkit.util.io.BukkitObjectInputStream;
import org.bukkit.util.io.BukkitObjectOutputStream;
import org.junit.Test;

/** Chat text wrapped and paged, and the API's values through Java object streams. */
public class ChatAndStreamsTest {
    @Test
    public void linesWrapAtWordsCarryTheirColoursAndLongWordsAreCut() {
        assertArrayEquals(new String[] {"short"}, ChatPaginator.wordWrap("short", 10));
        assertArrayEquals(new String[] {"one two", "three four", "five"}, ChatPaginator.wordWrap("one two three four five", 10));
        String red = ChatColor.RED.toString();
        // colour codes take no room, and the next line starts in the colour the last one ended in
        assertArrayEquals(new String[] {red + "aaaa bbbb", red + "cccc"}, ChatPaginator.wordWrap(red + "aaaa bbbb cccc", 9));
        assertArrayEquals(new String[] {"abcd", "efgh", "ij"}, ChatPaginator.wordWrap("abcdefghij", 4));
        assertArrayEquals(new String[] {"a", "b c"}, ChatPaginator.wordWrap("a\nb c", 10));
        for (String line : ChatPaginator.wordWrap("the quick brown fox jumps over the lazy dog again and again", 12)) {
            assertTrue(line, line.length() <= 12);
        }
    }

    @Test
    public void pagesHoldTheirLinesAndAPastTheEndPageIsTheLast() {
        StringBuilder text = new StringBuilder();
        for (int i = 1; i <= 25; i++) {
            text.append("line").append(i).append('\n');
        }
        String t = text.substring(0, text.length() - 1);
        ChatPaginator.ChatPage p1 = ChatPaginator.paginate(t, 1, 20, 10);
        assertEquals(3, p1.getTotalPages());
        assertEquals("line1", p1.getLines()[0]);
        ChatPaginator.ChatPage last = ChatPaginator.paginate(t, 9, 20, 10);
        assertEquals(3, last.getPageNumber());
        assertEquals(5, last.getLines().length);
        assertEquals("line25", last.getLines()[4]);
    }

    @Test
    public void itemsAndVectorsGoThroughObjectStreams() throws Exception {
        ItemStack sword = new ItemStack(Material.IRON_SWORD);
        sword.addEnchantment(Enchantment.FIRE_ASPECT, 2);
        ByteArrayOutputStream bytes = new ByteArrayOutputStream();
        BukkitObjectOutputStream out = new BukkitObjectOutputStream(bytes);
        out.writeObject(new Object[] {sword, new Vector(1, 2, 3), "plain"});
        out.close();
        BukkitObjectInputStream in = new BukkitObjectInputStream(new ByteArrayInputStream(bytes.toByteArray()));
        Object[] back = (Object[]) in.readObject();
        in.close();
        assertEquals(sword, back[0]);
        assertEquals(new Vector(1, 2, 3), back[1]);
        assertEquals("plain", back[2]);
    }
}
