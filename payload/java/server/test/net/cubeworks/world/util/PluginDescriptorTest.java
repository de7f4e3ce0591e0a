package net.cubeworks.world.util;

import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertNull;
import static org.junit.Assert.assertTrue;
import static org.junit.Assert.fail;

import java.io.ByteArrayInputStream;
import java.util.Arrays;
import java.util.List;
import java.util.Map;

import org.bukkit.plugin.InvalidDescriptionException;
import org.bukkit.plugin.PluginDescriptionFile;
import org.junit.Test;

public class PluginDescriptorTest {
    private static PluginDescriptionFile describe(String yml) throws Exception {
        return new PluginDescriptionFile(new ByteArrayInputStream(yml.getBytes("UTF-8")));
    }

    private static void assertInvalid(String yml) throws Exception {
        try {
            describe(yml);
            fail("accepted: " + yml);
        } catch (InvalidDescriptionException expected) {
            // rejected as it should be
        }
    }

    @Test
    public void companionDescriptorShape() throws Exception {
        PluginDescriptionFile d = describe("name: srvpanel_manager\r\n"
                + "main: com.hollowbyte.srvpanel.manager\r\n"
                + "version: 2.0\r\n"
                + "commands:\r\n"
                + "  showplayerinfo:\r\n"
                + "    description: 用于刷新玩家在线信息，仅限控制台使用\r\n"
                + "    usage: <command>\r\n"
                + "    permission: srvpanel_manager.admin\r\n"
                + "    permission-message: 你不能使用这条命令\r\n");
        assertEquals("srvpanel_manager", d.getName());
        assertEquals("com.hollowbyte.srvpanel.manager", d.getMain());
        assertEquals("2.0", d.getVersion());
        assertEquals("srvpanel_manager v2.0", d.getFullName());
        Map<String, Object> cmd = d.getCommands().get("showplayerinfo");
        assertEquals("用于刷新玩家在线信息，仅限控制台使用", cmd.get("description"));
        assertEquals("<command>", cmd.get("usage"));
        assertEquals("srvpanel_manager.admin", cmd.get("permission"));
        assertEquals("你不能使用这条命令", cmd.get("permission-message"));
    }

    @Test
    public void quotingCommentsListsAndBlockText() throws Exception {
        PluginDescriptionFile d = describe("\uFEFF# a plugin\n"
                + "name: 'Ban Attack'\n"
                + "main: \"org.quillon.banattack.BanAttack\"  # main class\n"
                + "version: '1.0'\n"
                + "author: Someone # who\n"
                + "authors: [A, 'B, C']\n"
                + "depend:\n"
                + "- Base\n"
                + "softdepend:\n"
                + "  - Extra\n"
                + "description: |\n"
                + "  line one\n"
                + "  line #two\n"
                + "commands:\n"
                + "  go:\n"
                + "    aliases: [g, gg]\n"
                + "    usage: \"/<command> \\\"now\\\"\"\n"
                + "  bare:\n");
        assertEquals("Ban Attack", d.getName());
        assertEquals("org.quillon.banattack.BanAttack", d.getMain());
        assertEquals(Arrays.asList("Someone", "A", "B, C"), d.getAuthors());
        assertEquals(Arrays.asList("Base"), d.getDepend());
        assertEquals(Arrays.asList("Extra"), d.getSoftDepend());
        assertEquals("line one\nline #two\n", d.getDescription());
        assertEquals(Arrays.asList("g", "gg"), d.getCommands().get("go").get("aliases"));
        assertEquals("/<command> \"now\"", d.getCommands().get("go").get("usage"));
        assertTrue(d.getCommands().get("bare").isEmpty());
    }

    @Test
    public void aFlowListGoesOnOverTheFollowingLines() throws Exception {
        // as a real shop plugin's release jar writes its soft dependencies
        PluginDescriptionFile d = describe("name: Shop\nmain: a.Shop\nversion: 3\n"
                + "softdepend: [Vault, WorldGuard,\n    Essentials,  # the economy\n\n  Towny]\ndepend: [ ]\n");
        assertEquals(Arrays.asList("Vault", "WorldGuard", "Essentials", "Towny"), d.getSoftDepend());
        assertEquals(0, d.getDepend().size());
    }

    @Test
    public void brokenDescriptorsAreRejected() throws Exception {
        assertInvalid("main: a.B\nversion: 1\n");
        assertInvalid("name: x\nversion: 1\n");
        assertInvalid("name: x\nmain: a.B\n");
        assertInvalid("name: bad/name\nmain: a.B\nversion: 1\n");
        assertInvalid("name: x\nmain: org.bukkit.Evil\nversion: 1\n");
        assertInvalid("name: x\nmain: a.B\nversion: 1\ncommands: notamap\n");
        assertInvalid("name: 'x\nmain: a.B\nversion: 1\n");
        assertInvalid("name: x\n\tmain: a.B\nversion: 1\n");
        assertInvalid("name: x\nmain: a.B\n  version: 1\n");
        assertInvalid("just some text\n");
        assertInvalid("");
        assertInvalid("name: [x\nmain: a.B\nversion: 1\n");
    }

    @Test
    public void awarenessTagsAreFlagsAndOtherTagsStayRefused() throws Exception {
        PluginDescriptionFile d = describe("name: Aware\nmain: a.Aware\nversion: 1\nawareness:\n- !@UTF8\n- !@Later\n");
        assertEquals(2, d.getAwareness().size());
        assertTrue(d.getAwareness().contains(org.bukkit.plugin.PluginAwareness.Flags.UTF8));
        assertTrue(d.getAwareness().toString().contains("!@Later"));
        assertTrue(describe("name: Plain\nmain: a.Plain\nversion: 1\n").getAwareness().isEmpty());
        assertInvalid("name: Odd\nmain: a.Odd\nversion: 1\nx: !!java.io.File /tmp\n");
    }
}
