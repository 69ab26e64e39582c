#include "Vocabulary.h"

#include <string_view>

namespace bench {

namespace {

// "王李张" -> {"王", "李", "张"}: one entry per UTF-8 encoded character.
std::vector<std::string> characters(std::string_view utf8)
{
    std::vector<std::string> out;
    for (size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        out.emplace_back(utf8.substr(i, length));
        i += length;
    }
    return out;
}

// "a b c" -> {"a", "b", "c"}
std::vector<std::string> words(std::string_view text)
{
    std::vector<std::string> out;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find(' ', start);
        if (end == std::string_view::npos)
            end = text.size();
        if (end > start)
            out.emplace_back(text.substr(start, end - start));
        start = end + 1;
    }
    return out;
}

Vocabulary make()
{
    Vocabulary v;
    v.surnames = characters("王李张刘陈杨黄赵吴周徐孙马朱胡郭何高林罗郑梁谢宋唐许韩冯邓曹彭曾肖田董袁潘于蒋蔡余杜叶程苏"
                            "魏吕丁任沈姚卢姜崔钟谭陆汪范金石廖贾夏韦付方白邹孟熊秦邱江尹薛段雷侯龙史陶黎贺顾毛郝龚邵万钱严");
    v.givenChars = characters("伟芳娜秀英敏静丽强磊军洋勇艳杰娟涛明超兰霞平刚桂华建国志红玉文辉鹏飞宇浩然晓梅婷雪琳海波"
                              "春燕丹凤云峰斌慧颖成龙凯博宁亮东");
    v.brandChars = characters("华信达通恒远宏盛鑫瑞安泰天海新康博嘉利源广发顺德中兴联创永昌金");
    v.cities = words("北京 上海 广州 深圳 天津 重庆 杭州 南京 武汉 成都 西安 沈阳");
    v.areaCodes = words("010 021 020 0755 022 023 0571 025 027 028 029 024");
    v.districts = words("海淀区 朝阳区 东城区 西城区 浦东新区 天河区 南山区 和平区 江北区 西湖区 鼓楼区 武昌区");
    v.roads = words("中关村大街 建国路 人民路 解放路 长安街 南京路 中山路 学院路 科技路 工业大道 滨江路 新华街");
    v.industries = words("科技 贸易 实业 电子 机械 软件 物流 建设 医药 化工 文化 食品");
    v.sectors = words("制造业 软件 贸易 教育 医疗 金融 物流 建筑 餐饮 零售 能源 咨询");
    v.departments = words("销售部 市场部 技术部 财务部 采购部 人事部 行政部 客服部 研发部 生产部");
    v.jobTitles = words("经理 总经理 主管 工程师 采购经理 销售代表 会计 总监 助理 董事长 副总经理 秘书");
    v.sources = words("展会 网站 电话 朋友介绍 广告 老客户 招标");
    v.statuses = words("潜在客户 意向客户 成交客户 流失客户");
    v.regions = words("华北 华东 华南 华中 西南 西北 东北");
    v.remarks = words("喜欢打球 爱好摄影 喜欢喝茶 周末钓鱼 爱好书法 喜欢旅游 不喜欢应酬 关注价格");
    v.phrases = words("主要采购办公设备 年需求量较大 对价格敏感 重视售后服务 已有长期供应商 "
                      "计划明年扩大规模 需要定期回访 决策周期较长 付款及时 希望提供样品");
    v.banks = words("工商银行 建设银行 农业银行 中国银行 招商银行 交通银行");
    v.mailDomains = words("163.com qq.com sina.com 126.com sohu.com yahoo.com.cn");
    v.mobilePrefixes = words("130 131 132 133 135 136 137 138 139 150 151 152 158 159 186 188 189");
    return v;
}

} // namespace

const Vocabulary &Vocabulary::get()
{
    static const Vocabulary vocabulary = make();
    return vocabulary;
}

} // namespace bench
